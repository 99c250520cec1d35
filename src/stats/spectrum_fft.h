// Discrete Fourier transforms of real series of any length (FFTW underneath;
// prime lengths are exact too, the series is never padded).
#pragma once

#include <complex>
#include <vector>

namespace kora {

// X(j) = sum over t = 0..n-1 of x[t] e^(-2 pi i j t / n), for j = 0..n/2.
std::vector<std::complex<double>> RealDft(const std::vector<double>& x);
// The inverse without the 1/n factor: y[t] = sum over j = 0..n-1 of X(j)
// e^(2 pi i j t / n), where X(n - j) is the conjugate of X(j); `half` holds
// X(0..n/2) as RealDft gives it.
std::vector<double> InverseRealDft(const std::vector<std::complex<double>>& half, int n);

// s(h) = sum over t = 0..n-1-h of y[t+h] y[t], h = 0..maxLag (0 from h = n
// on), for the deviations y = x - mean: correlations of blocks of y with the
// values that follow them by real transforms of a few times maxLag values,
// added in the frequency domain, so memory stays small for any n.
std::vector<double> LaggedProductSums(const std::vector<double>& x, double mean, int maxLag);

}  // namespace kora
