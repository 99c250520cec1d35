#include "stats/spectrum_fft.h"

#include <fftw3.h>

#include <algorithm>
#include <cstdint>
#include <numbers>

namespace kora {

namespace {

using Complex = std::complex<double>;

// Lengths whose largest prime factor is above this go through Bluestein's
// chirp transform, whose cost does not depend on the factors of n.
constexpr std::int64_t kLargeFactor = 1000;

std::int64_t LargestPrimeFactor(std::int64_t n) {
  std::int64_t largest = 1;
  for (std::int64_t p = 2; p * p <= n; ++p)
    while (n % p == 0) {
      largest = p;
      n /= p;
    }
  return n > 1 ? n : largest;
}

// Plain complex product (the library's operator* also handles infinities, at a large cost).
inline Complex Times(Complex a, Complex b) {
  return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}

void ComplexFft(std::vector<Complex>& data, int sign) {
  auto* p = reinterpret_cast<fftw_complex*>(data.data());
  fftw_plan plan = fftw_plan_dft_1d(static_cast<int>(data.size()), p, p, sign, FFTW_ESTIMATE);
  fftw_execute(plan);
  fftw_destroy_plan(plan);
}

// The chirp e^(i pi k^2 / n) of a length and the transform of its
// zero-padded two-sided sequence; the last one is kept, as a smoothing or a
// periodogram transforms the same length again and again.
struct Chirp {
  std::int64_t n = 0, length = 0;
  std::vector<Complex> chirp, transformed;
};

const Chirp& ChirpOf(std::int64_t n) {
  static Chirp cache;
  if (cache.n == n) return cache;
  Chirp c;
  c.n = n;
  c.length = 1;
  while (c.length < 2 * n - 1) c.length <<= 1;
  // k^2 is reduced modulo 2n so that the angle stays exact.
  c.chirp.resize(static_cast<size_t>(n));
  for (std::int64_t k = 0; k < n; ++k)
    c.chirp[k] = std::polar(1.0, std::numbers::pi * static_cast<double>((k * k) % (2 * n)) / n);
  c.transformed.assign(static_cast<size_t>(c.length), Complex{});
  c.transformed[0] = c.chirp[0];
  for (std::int64_t k = 1; k < n; ++k) c.transformed[k] = c.transformed[c.length - k] = c.chirp[k];
  ComplexFft(c.transformed, FFTW_FORWARD);
  cache = std::move(c);
  return cache;
}

// X(j) = sum over t of x[t] e^(-2 pi i j t / n), j = 0..n-1, through a
// convolution of power-of-two length: j t = (j^2 + t^2 - (j - t)^2) / 2.
std::vector<Complex> Bluestein(const std::vector<Complex>& x) {
  const std::int64_t n = static_cast<std::int64_t>(x.size());
  const Chirp& c = ChirpOf(n);
  std::vector<Complex> a(static_cast<size_t>(c.length));
  for (std::int64_t t = 0; t < n; ++t) a[t] = Times(x[t], std::conj(c.chirp[t]));
  ComplexFft(a, FFTW_FORWARD);
  for (std::int64_t i = 0; i < c.length; ++i) a[i] = Times(a[i], c.transformed[i]);
  ComplexFft(a, FFTW_BACKWARD);
  std::vector<Complex> result(static_cast<size_t>(n));
  const double scale = 1.0 / static_cast<double>(c.length);
  for (std::int64_t j = 0; j < n; ++j) result[j] = Times(std::conj(c.chirp[j]), a[j]) * scale;
  return result;
}

// The smallest length from `least` on whose prime factors are 2, 3, 5 and 7,
// the lengths the library transforms fastest.
std::int64_t SmoothLength(std::int64_t least) {
  std::int64_t best = 1;
  while (best < least) best <<= 1;
  for (std::int64_t p7 = 1; p7 < best; p7 *= 7)
    for (std::int64_t p5 = p7; p5 < best; p5 *= 5)
      for (std::int64_t p3 = p5; p3 < best; p3 *= 3) {
        std::int64_t length = p3;
        while (length < least) length <<= 1;
        best = std::min(best, length);
      }
  return best;
}

}  // namespace

std::vector<std::complex<double>> RealDft(const std::vector<double>& x) {
  const int n = static_cast<int>(x.size());
  if (n == 0) return {};
  std::vector<std::complex<double>> out(static_cast<size_t>(n / 2) + 1);
  if (LargestPrimeFactor(n) > kLargeFactor) {
    const std::vector<Complex> full = Bluestein(std::vector<Complex>(x.begin(), x.end()));
    std::copy(full.begin(), full.begin() + out.size(), out.begin());
    return out;
  }
  std::vector<double> in = x;  // planning may touch the arrays
  fftw_plan plan =
      fftw_plan_dft_r2c_1d(n, in.data(), reinterpret_cast<fftw_complex*>(out.data()), FFTW_ESTIMATE);
  fftw_execute(plan);
  fftw_destroy_plan(plan);
  return out;
}

std::vector<double> InverseRealDft(const std::vector<std::complex<double>>& half, int n) {
  if (n <= 0 || half.size() != static_cast<size_t>(n / 2) + 1) return {};
  std::vector<double> out(static_cast<size_t>(n));
  if (LargestPrimeFactor(n) > kLargeFactor) {
    // The inverse is the conjugate of the forward transform of the conjugate spectrum.
    std::vector<Complex> full(static_cast<size_t>(n));
    for (int j = 0; j < n; ++j) full[j] = std::conj(j <= n / 2 ? half[j] : std::conj(half[n - j]));
    const std::vector<Complex> back = Bluestein(full);
    for (int t = 0; t < n; ++t) out[t] = back[t].real();
    return out;
  }
  std::vector<std::complex<double>> in = half;  // the complex-to-real transform overwrites its input
  fftw_plan plan =
      fftw_plan_dft_c2r_1d(n, reinterpret_cast<fftw_complex*>(in.data()), out.data(), FFTW_ESTIMATE);
  fftw_execute(plan);
  fftw_destroy_plan(plan);
  return out;
}

std::vector<double> LaggedProductSums(const std::vector<double>& x, double mean, int maxLag) {
  const std::int64_t n = static_cast<std::int64_t>(x.size());
  if (maxLag < 0) return {};
  std::vector<double> sums(static_cast<size_t>(maxLag) + 1, 0.0);
  if (n == 0) return sums;
  const std::int64_t lags = std::min<std::int64_t>(maxLag, n - 1);
  const std::int64_t length = SmoothLength(n + lags);
  // In place: the length real values, then read as length/2 + 1 complex ones.
  std::vector<double> buffer(2 * (static_cast<size_t>(length) / 2 + 1), 0.0);
  for (std::int64_t t = 0; t < n; ++t) buffer[t] = x[t] - mean;
  auto* spectrum = reinterpret_cast<fftw_complex*>(buffer.data());
  const int size = static_cast<int>(length);
  // One plan at a time (planning with FFTW_ESTIMATE leaves the array alone):
  // the library's own work space for the two never adds up.
  fftw_plan forward = fftw_plan_dft_r2c_1d(size, buffer.data(), spectrum, FFTW_ESTIMATE);
  fftw_execute(forward);
  fftw_destroy_plan(forward);
  for (std::int64_t j = 0; j <= length / 2; ++j) {
    double& re = spectrum[j][0];
    double& im = spectrum[j][1];
    re = re * re + im * im;
    im = 0.0;
  }
  fftw_plan backward = fftw_plan_dft_c2r_1d(size, spectrum, buffer.data(), FFTW_ESTIMATE);
  fftw_execute(backward);
  fftw_destroy_plan(backward);
  const double scale = 1.0 / static_cast<double>(length);
  for (std::int64_t h = 0; h <= lags; ++h) sums[h] = buffer[h] * scale;
  return sums;
}

}  // namespace kora
