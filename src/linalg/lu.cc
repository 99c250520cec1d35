#include "linalg/lu.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace kora {

using std::size_t;

bool LuFactor(std::vector<double> a, int n, LuFactors& factors, double relativeTolerance) {
  double largest = 0.0;
  for (double v : a) largest = std::max(largest, std::fabs(v));
  if (!std::isfinite(largest)) return false;
  const double tolerance = relativeTolerance * largest;
  auto at = [&a, n](int i, int j) -> double& { return a[static_cast<size_t>(i) * n + j]; };
  std::vector<int> pivot(n);
  for (int col = 0; col < n; ++col) {
    int best = col;
    for (int row = col + 1; row < n; ++row)
      if (std::fabs(at(row, col)) > std::fabs(at(best, col))) best = row;
    if (!(std::fabs(at(best, col)) > tolerance) || at(best, col) == 0.0) return false;
    pivot[col] = best;
    if (best != col)
      for (int k = 0; k < n; ++k) std::swap(at(best, k), at(col, k));
    for (int row = col + 1; row < n; ++row) {
      const double factor = at(row, col) / at(col, col);
      for (int k = col + 1; k < n; ++k) at(row, k) -= factor * at(col, k);
      at(row, col) = factor;
    }
  }
  factors = {n, std::move(a), std::move(pivot)};
  return true;
}

void LuSolve(const LuFactors& factors, std::vector<double>& b) {
  const int n = factors.n;
  auto at = [&factors, n](int i, int j) { return factors.lu[static_cast<size_t>(i) * n + j]; };
  // The exchanges first: the multipliers moved with their rows to the end.
  for (int col = 0; col < n; ++col) std::swap(b[col], b[factors.pivot[col]]);
  for (int col = 0; col < n; ++col)
    for (int row = col + 1; row < n; ++row) b[row] -= at(row, col) * b[col];
  for (int row = n - 1; row >= 0; --row) {
    double sum = b[row];
    for (int k = row + 1; k < n; ++k) sum -= at(row, k) * b[k];
    b[row] = sum / at(row, row);
  }
}

bool SolveGeneral(std::vector<double> a, int n, std::vector<double>& b, double relativeTolerance) {
  LuFactors factors;
  if (!LuFactor(std::move(a), n, factors, relativeTolerance)) return false;
  LuSolve(factors, b);
  return true;
}

bool InvertGeneral(std::vector<double>& a, int n, double relativeTolerance) {
  LuFactors factors;
  if (!LuFactor(a, n, factors, relativeTolerance)) return false;
  std::vector<double> column(n);
  for (int j = 0; j < n; ++j) {
    std::fill(column.begin(), column.end(), 0.0);
    column[j] = 1.0;
    LuSolve(factors, column);
    for (int i = 0; i < n; ++i) a[static_cast<size_t>(i) * n + j] = column[i];
  }
  return true;
}

}  // namespace kora
