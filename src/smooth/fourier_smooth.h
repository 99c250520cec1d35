// Low-pass smoothing through the discrete Fourier transform.
#pragma once

#include <vector>

namespace kora {

// Removes every Fourier component whose frequency, as a fraction of pi,
// exceeds f (component j goes when 2j > N f, or 2(N - j) > N f for j past N/2)
// and transforms back. f = 1 returns the data, f = 0 the mean.
std::vector<double> FourierSmooth(const std::vector<double>& x, double f);

}  // namespace kora
