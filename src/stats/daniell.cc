#include "stats/daniell.h"

#include <algorithm>
#include <complex>
#include <cstdint>

#include "stats/spectrum_fft.h"

namespace kora {

namespace {

// Above this many multiply-adds the smoothing runs as a circular
// correlation through the Fourier transform.
constexpr std::int64_t kDirectLimit = std::int64_t{1} << 25;

// One Daniell filter of half-width m applied to the symmetric weights w(0..c):
// v(j) = (1/(2m+1)) sum over l = -m..m of w(|j - l|), j = 0..c+m, by a running
// sum over the two-sided sequence.
std::vector<double> ApplyDaniell(const std::vector<double>& w, int m) {
  const std::int64_t c = static_cast<std::int64_t>(w.size()) - 1;
  const std::int64_t width = c + m;
  auto at = [&](std::int64_t i) { return (i < -c || i > c) ? 0.0 : w[static_cast<size_t>(i < 0 ? -i : i)]; };
  std::vector<double> v(static_cast<size_t>(width) + 1);
  // window sum over i = j-m..j+m
  double sum = 0.0;
  for (std::int64_t i = -m; i <= m; ++i) sum += at(i);
  const double scale = 1.0 / (2.0 * m + 1.0);
  for (std::int64_t j = 0; j <= width; ++j) {
    v[static_cast<size_t>(j)] = sum * scale;
    sum += at(j + m + 1) - at(j - m);
  }
  return v;
}

// The periodogram extended to every integer frequency index: even, period n,
// with `zero` at indices that are multiples of n.
class Extended {
 public:
  Extended(const std::vector<double>& I, int n, double zero) : I_(I), n_(n), zero_(zero) {}
  double operator()(std::int64_t index) const {
    std::int64_t r = index % n_;
    if (r < 0) r += n_;
    if (r > n_ / 2) r = n_ - r;
    return r == 0 ? zero_ : I_[static_cast<size_t>(r - 1)];
  }

 private:
  const std::vector<double>& I_;
  std::int64_t n_;
  double zero_;
};

// S(k), k = 1..m, as the circular correlation of the weights folded onto one
// period with the extended periodogram.
void SmoothByTransform(const Extended& ext, const std::vector<double>& W, int n, std::vector<double>& S) {
  const std::int64_t h = static_cast<std::int64_t>(W.size()) - 1;
  std::vector<double> folded(static_cast<size_t>(n), 0.0), values(static_cast<size_t>(n));
  for (std::int64_t j = -h; j <= h; ++j) {
    std::int64_t r = j % n;
    if (r < 0) r += n;
    folded[static_cast<size_t>(r)] += W[static_cast<size_t>(j < 0 ? -j : j)];
  }
  for (int r = 0; r < n; ++r) values[r] = ext(r);
  // S(k) = sum over r of folded(r) values(k + r): the product of the
  // transform of values with the conjugate transform of folded.
  auto a = RealDft(values), b = RealDft(folded);
  for (size_t i = 0; i < a.size(); ++i) a[i] *= std::conj(b[i]);
  const std::vector<double> c = InverseRealDft(a, n);
  for (size_t k = 1; k < S.size(); ++k) S[k] = c[k] / n;
}

}  // namespace

std::vector<double> DaniellWeights(const std::vector<int>& orders) {
  std::vector<double> w{1.0};
  for (int m : orders)
    if (m > 0) w = ApplyDaniell(w, m);
  return w;
}

std::vector<double> SmoothPeriodogram(const std::vector<double>& periodogram, const std::vector<double>& weights,
                                      int n) {
  const int m = static_cast<int>(periodogram.size());
  if (m < 1 || weights.empty() || n < 2 || n / 2 != m) return {};
  const std::int64_t h = static_cast<std::int64_t>(weights.size()) - 1;
  const std::vector<double>& W = weights;
  std::vector<double> S(static_cast<size_t>(m) + 1);
  // S(0) leans on the ordinates to its right; the ordinate at frequency 0
  // itself is 0 for a mean-corrected series.
  const Extended right(periodogram, n, 0.0);
  double s0 = W[0] * right(1);
  for (std::int64_t j = 1; j <= h; ++j) s0 += 2.0 * W[static_cast<size_t>(j)] * right(j + 1);
  S[0] = s0;
  const Extended ext(periodogram, n, s0);
  if (static_cast<std::int64_t>(m) * (2 * h + 1) > kDirectLimit) {
    SmoothByTransform(ext, W, n, S);
    return S;
  }
  for (std::int64_t k = 1; k <= m; ++k) {
    double s = W[0] * ext(k);
    for (std::int64_t j = 1; j <= h; ++j) s += W[static_cast<size_t>(j)] * (ext(k - j) + ext(k + j));
    S[static_cast<size_t>(k)] = s;
  }
  return S;
}

double WeightSumOfSquares(const std::vector<double>& weights) {
  if (weights.empty()) return 0.0;
  double sum = weights[0] * weights[0];
  for (size_t j = 1; j < weights.size(); ++j) sum += 2.0 * weights[j] * weights[j];
  return sum;
}

}  // namespace kora

