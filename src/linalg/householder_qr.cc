#include "linalg/householder_qr.h"

#include <cmath>
#include <limits>

namespace kora {

namespace {

// Relative size below which a column counts as exactly dependent: the
// rounding of the reflections already applied to it.
double RankTolerance(double tau, int n) {
  return std::max(tau, 64.0 * n * std::numeric_limits<double>::epsilon());
}

}  // namespace

LeastSquaresResult SolveLeastSquares(std::vector<double> a, int n, int m, const std::vector<double>& y,
                                     double tau) {
  LeastSquaresResult out;
  out.beta.assign(m, 0.0);
  out.kept.assign(m, false);
  const std::vector<double> original(a);
  std::vector<double> qty(y);
  std::vector<int> basis;  // kept columns, in order; row r of R belongs to basis[r]
  const double tolerance = RankTolerance(tau, n);
  auto at = [&a, n](int row, int col) -> double& { return a[static_cast<size_t>(col) * n + row]; };
  for (int j = 0; j < m; ++j) {
    const int k = static_cast<int>(basis.size());  // next pivot row
    if (k >= n) break;
    double full = 0.0, below = 0.0;
    for (int i = 0; i < n; ++i) full += at(i, j) * at(i, j);
    for (int i = k; i < n; ++i) below += at(i, j) * at(i, j);
    // Original column norm is kept by the reflections: |a_j| is invariant.
    if (!(full > 0.0) || std::sqrt(below) <= tolerance * std::sqrt(full)) continue;
    const double alpha = at(k, j) > 0 ? -std::sqrt(below) : std::sqrt(below);
    std::vector<double> v(n - k);
    for (int i = k; i < n; ++i) v[i - k] = at(i, j);
    v[0] -= alpha;
    double vnorm = 0.0;
    for (double x : v) vnorm += x * x;
    auto reflect = [&](auto&& get) {
      double dot = 0.0;
      for (int i = k; i < n; ++i) dot += v[i - k] * get(i);
      const double scale = 2.0 * dot / vnorm;
      for (int i = k; i < n; ++i) get(i) -= scale * v[i - k];
    };
    for (int c = j; c < m; ++c) reflect([&](int i) -> double& { return at(i, c); });
    reflect([&](int i) -> double& { return qty[i]; });
    basis.push_back(j);
  }
  // Back substitution on R (rows 0..r-1, columns basis).
  const int r = static_cast<int>(basis.size());
  for (int row = r - 1; row >= 0; --row) {
    double sum = qty[row];
    for (int later = row + 1; later < r; ++later) sum -= at(row, basis[later]) * out.beta[basis[later]];
    out.beta[basis[row]] = sum / at(row, basis[row]);
  }
  for (int j : basis) out.kept[j] = true;
  out.rank = r;
  out.residual = y;
  for (int j = 0; j < m; ++j)
    if (out.beta[j] != 0.0)
      for (int i = 0; i < n; ++i) out.residual[i] -= original[static_cast<size_t>(j) * n + i] * out.beta[j];
  return out;
}

}  // namespace kora
