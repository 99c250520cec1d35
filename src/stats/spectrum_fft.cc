#include "stats/spectrum_fft.h"

#include <fftw3.h>

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <numbers>

namespace kora {

namespace {

using Complex = std::complex<double>;

// The library's planner is not thread-safe (executing a plan is): batch fits
// on several threads plan and destroy under this lock.
std::mutex& PlannerMutex() {
  static std::mutex mutex;
  return mutex;
}

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
  fftw_plan plan;
  {
    std::lock_guard<std::mutex> lock(PlannerMutex());
    plan = fftw_plan_dft_1d(static_cast<int>(data.size()), p, p, sign, FFTW_ESTIMATE);
  }
  fftw_execute(plan);
  std::lock_guard<std::mutex> lock(PlannerMutex());
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
  fftw_plan plan;
  {
    std::lock_guard<std::mutex> lock(PlannerMutex());
    plan = fftw_plan_dft_r2c_1d(n, in.data(), reinterpret_cast<fftw_complex*>(out.data()), FFTW_ESTIMATE);
  }
  fftw_execute(plan);
  std::lock_guard<std::mutex> lock(PlannerMutex());
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
  fftw_plan plan;
  {
    std::lock_guard<std::mutex> lock(PlannerMutex());
    plan = fftw_plan_dft_c2r_1d(n, reinterpret_cast<fftw_complex*>(in.data()), out.data(), FFTW_ESTIMATE);
  }
  fftw_execute(plan);
  std::lock_guard<std::mutex> lock(PlannerMutex());
  fftw_destroy_plan(plan);
  return out;
}

std::vector<double> LaggedProductSums(const std::vector<double>& x, double mean, int maxLag) {
  const std::int64_t n = static_cast<std::int64_t>(x.size());
  if (maxLag < 0) return {};
  std::vector<double> sums(static_cast<size_t>(maxLag) + 1, 0.0);
  if (n == 0) return sums;
  const std::int64_t lags = std::min<std::int64_t>(maxLag, n - 1);
  // Transform length: a power of two of at least four times the lags, so that
  // a block of `block` values and the `lags` values after it fit without the
  // circular sums wrapping, and a series shorter than that is one block.
  std::int64_t length = 1024;
  while (length < 4 * (lags + 1) && length < 2 * (n + lags)) length *= 2;
  const std::int64_t block = length - lags;
  const size_t halfLength = static_cast<size_t>(length / 2 + 1);
  std::vector<double> head(static_cast<size_t>(length)), window(static_cast<size_t>(length));
  std::vector<Complex> headSpectrum(halfLength), windowSpectrum(halfLength), total(halfLength);
  auto* headOut = reinterpret_cast<fftw_complex*>(headSpectrum.data());
  auto* windowOut = reinterpret_cast<fftw_complex*>(windowSpectrum.data());
  auto* totalIn = reinterpret_cast<fftw_complex*>(total.data());
  const int size = static_cast<int>(length);
  fftw_plan forwardHead, forwardWindow, backward;
  {
    std::lock_guard<std::mutex> lock(PlannerMutex());
    forwardHead = fftw_plan_dft_r2c_1d(size, head.data(), headOut, FFTW_ESTIMATE);
    forwardWindow = fftw_plan_dft_r2c_1d(size, window.data(), windowOut, FFTW_ESTIMATE);
    backward = fftw_plan_dft_c2r_1d(size, totalIn, window.data(), FFTW_ESTIMATE);
  }
  // Block by block: the head holds y[s .. s+block), the window y[s .. s+block+lags);
  // sum over the head of y[t] y[t+h] is the circular correlation of the two,
  // and the correlations of all blocks add up in the frequency domain.
  for (std::int64_t start = 0; start < n; start += block) {
    std::fill(head.begin(), head.end(), 0.0);
    std::fill(window.begin(), window.end(), 0.0);
    const std::int64_t headEnd = std::min(n, start + block), windowEnd = std::min(n, start + block + lags);
    for (std::int64_t t = start; t < windowEnd; ++t) {
      window[t - start] = x[t] - mean;
      if (t < headEnd) head[t - start] = window[t - start];
    }
    fftw_execute(forwardHead);
    fftw_execute(forwardWindow);
    for (size_t j = 0; j < halfLength; ++j) total[j] += Times(std::conj(headSpectrum[j]), windowSpectrum[j]);
  }
  fftw_execute(backward);
  {
    std::lock_guard<std::mutex> lock(PlannerMutex());
    fftw_destroy_plan(forwardHead);
    fftw_destroy_plan(forwardWindow);
    fftw_destroy_plan(backward);
  }
  const double scale = 1.0 / static_cast<double>(length);
  for (std::int64_t h = 0; h <= lags; ++h) sums[h] = window[h] * scale;
  return sums;
}

}  // namespace kora
