#include "stats/sample_stats.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <utility>

#include "stats/spectrum_fft.h"

namespace kora {
namespace {

constexpr int kDefaultLags = 40;
constexpr double kLargestTransform = 1 << 30;  // lengths the transform library takes as int

bool AllEqual(const std::vector<double>& x) {
  return std::adjacent_find(x.begin(), x.end(), std::not_equal_to<>()) == x.end();
}

// The arithmetic mean; exactly the common value of a constant series, so that
// its deviations are exactly 0 rather than rounding noise.
double Mean(const std::vector<double>& x) {
  if (x.empty()) return 0;
  if (AllEqual(x)) return x.front();
  double sum = 0;
  for (double v : x) sum += v;
  return sum / static_cast<double>(x.size());
}

// Whether the transform is cheaper than the n (maxLag + 1) products of the
// direct sums: about 8 N log2 N operations for the padded length N.
bool TransformIsCheaper(int64_t n, int64_t maxLag) {
  const int64_t lags = std::min(maxLag, n - 1);
  const double length = static_cast<double>(n + lags);
  if (lags < 1 || length > kLargestTransform) return false;
  return static_cast<double>(n) * static_cast<double>(lags + 1) > 8 * length * std::log2(length);
}

std::vector<double> Autocovariances(const std::vector<double>& x, double mean, int maxLag) {
  const int n = static_cast<int>(x.size());
  if (n > 0 && TransformIsCheaper(n, maxLag)) {
    std::vector<double> gamma = LaggedProductSums(x, mean, maxLag);
    for (double& g : gamma) g /= n;
    return gamma;
  }
  std::vector<double> y(x.size());
  for (int t = 0; t < n; ++t) y[t] = x[t] - mean;
  std::vector<double> gamma(maxLag < 0 ? 0 : static_cast<size_t>(maxLag) + 1, 0.0);
  for (int h = 0; h <= maxLag && h < n; ++h) {
    double sum = 0;
    for (int t = 0; t + h < n; ++t) sum += y[t + h] * y[t];
    gamma[h] = sum / n;
  }
  return gamma;
}

// floor(sqrt(n)) without trusting the rounding of sqrt.
int IntegerSquareRoot(int n) {
  int r = static_cast<int>(std::sqrt(static_cast<double>(n)));
  while (r > 0 && static_cast<long long>(r) * r > n) --r;
  while (static_cast<long long>(r + 1) * (r + 1) <= n) ++r;
  return r;
}

}  // namespace

SampleSummary Summarize(const std::vector<double>& x) {
  SampleSummary s;
  s.n = static_cast<int>(x.size());
  if (s.n == 0) return s;
  s.mean = Mean(x);
  const int r = IntegerSquareRoot(s.n);
  const std::vector<double> gamma = Autocovariances(x, s.mean, r);
  s.variance = gamma[0];
  double factor = 1;
  if (s.variance > 0) {
    for (int k = 1; k <= r; ++k) factor += 2 * (1 - static_cast<double>(k) / r) * gamma[k] / s.variance;
  }
  // The factor is a Fejer-weighted sum of sample autocorrelations and so not
  // negative; the bound only absorbs rounding.
  s.standardError = std::sqrt(s.variance / s.n * std::max(factor, 0.0));
  return s;
}

std::vector<double> SampleAutocovariances(const std::vector<double>& x, int maxLag) {
  return Autocovariances(x, Mean(x), maxLag);
}

std::vector<double> PartialAutocorrelations(const std::vector<double>& rho) {
  const int lags = static_cast<int>(rho.size()) - 1;
  std::vector<double> pacf(rho.size(), 0.0);
  if (lags < 0) return pacf;
  pacf[0] = 1.0;
  std::vector<double> phi(lags + 1, 0.0), previous(lags + 1, 0.0);  // phi(k, 1..k)
  double v = 1.0;
  for (int k = 1; k <= lags; ++k) {
    if (!(v > 0)) break;
    double numerator = rho[k];
    for (int j = 1; j < k; ++j) numerator -= previous[j] * rho[k - j];
    const double kk = numerator / v;
    phi[k] = kk;
    for (int j = 1; j < k; ++j) phi[j] = previous[j] - kk * previous[k - j];
    v *= 1 - kk * kk;
    pacf[k] = kk;
    std::swap(phi, previous);
  }
  return pacf;
}

AcfPacf SampleAcfPacf(const std::vector<double>& x, int& lags) {
  if (lags < 1) lags = kDefaultLags;
  AcfPacf result;
  const std::vector<double> gamma = SampleAutocovariances(x, lags);
  result.gamma0 = gamma[0];
  result.acf.assign(gamma.size(), 0.0);
  result.acf[0] = 1.0;
  if (result.gamma0 > 0) {
    for (int h = 1; h <= lags; ++h) result.acf[h] = gamma[h] / result.gamma0;
  }
  result.pacf = PartialAutocorrelations(result.acf);
  return result;
}

}  // namespace kora
