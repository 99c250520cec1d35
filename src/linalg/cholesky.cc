#include "linalg/cholesky.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "linalg/square_matrix.h"

namespace kora {

using std::size_t;

bool CholeskyFactor(const std::vector<double>& a, int n, std::vector<double>& l, PivotRule rule) {
  l.assign(static_cast<size_t>(n) * n, 0.0);
  for (int j = 0; j < n; ++j) {
    const double diagonal = a[static_cast<size_t>(j) * n + j];
    double d = diagonal;
    for (int k = 0; k < j; ++k) d -= l[static_cast<size_t>(j) * n + k] * l[static_cast<size_t>(j) * n + k];
    if (!std::isfinite(d) || !(d > rule.floor) || !(d > 0.0) || !(d > rule.relative * diagonal)) return false;
    const double ljj = std::sqrt(d);
    l[static_cast<size_t>(j) * n + j] = ljj;
    for (int i = j + 1; i < n; ++i) {
      double s = a[static_cast<size_t>(i) * n + j];
      for (int k = 0; k < j; ++k) s -= l[static_cast<size_t>(i) * n + k] * l[static_cast<size_t>(j) * n + k];
      l[static_cast<size_t>(i) * n + j] = s / ljj;
    }
  }
  return true;
}

void CholeskySolve(const std::vector<double>& l, int n, std::vector<double>& b) {
  for (int i = 0; i < n; ++i) {  // L y = b
    double s = b[i];
    for (int k = 0; k < i; ++k) s -= l[static_cast<size_t>(i) * n + k] * b[k];
    b[i] = s / l[static_cast<size_t>(i) * n + i];
  }
  for (int i = n - 1; i >= 0; --i) {  // L' x = y
    double s = b[i];
    for (int k = i + 1; k < n; ++k) s -= l[static_cast<size_t>(k) * n + i] * b[k];
    b[i] = s / l[static_cast<size_t>(i) * n + i];
  }
}

double CholeskyLogDeterminant(const std::vector<double>& l, int n) {
  double sum = 0.0;
  for (int j = 0; j < n; ++j) sum += std::log(l[static_cast<size_t>(j) * n + j]);
  return 2.0 * sum;
}

bool InversePositiveDefinite(const std::vector<double>& a, int n, std::vector<double>& inverse,
                             PivotRule rule) {
  std::vector<double> l;
  if (!CholeskyFactor(a, n, l, rule)) return false;
  // W = L^-1 (lower), then A^-1 = W' W.
  const std::vector<double> w = InverseLower(l, n);
  auto at = [n](const std::vector<double>& m, int i, int j) { return m[static_cast<size_t>(i) * n + j]; };
  inverse.assign(static_cast<size_t>(n) * n, 0.0);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      double s = 0.0;
      for (int k = std::max(i, j); k < n; ++k) s += at(w, k, i) * at(w, k, j);
      inverse[static_cast<size_t>(i) * n + j] = s;
    }
  return true;
}

}  // namespace kora
