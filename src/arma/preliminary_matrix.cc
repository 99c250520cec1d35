#include "arma/preliminary_matrix.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kora {

namespace {

// Relative size below which a pivot counts as zero.
constexpr double kPivotTolerance = 1.0e-12;

}  // namespace

bool InvertPositiveDefinite(std::vector<double>& a, int n) {
  std::vector<double> scale(n);
  for (int i = 0; i < n; ++i) scale[i] = a[i * n + i];
  for (int k = 0; k < n; ++k) {
    const double pivot = a[k * n + k];
    if (!(pivot > kPivotTolerance * scale[k]) || !(pivot > 0.0) || !std::isfinite(pivot)) return false;
    const double inv = 1.0 / pivot;
    for (int j = 0; j < n; ++j) a[k * n + j] *= inv;
    a[k * n + k] = inv;
    for (int i = 0; i < n; ++i) {
      if (i == k) continue;
      const double factor = a[i * n + k];
      if (factor == 0.0) continue;
      for (int j = 0; j < n; ++j) a[i * n + j] -= factor * a[k * n + j];
      a[i * n + k] = -factor * inv;
    }
  }
  return true;
}

bool InvertGeneral(std::vector<double>& a, int n) {
  double norm = 0.0;
  for (double v : a) norm = std::max(norm, std::fabs(v));
  if (!(norm > 0.0) || !std::isfinite(norm)) return false;
  std::vector<double> inverse(static_cast<size_t>(n) * n, 0.0);
  for (int i = 0; i < n; ++i) inverse[i * n + i] = 1.0;
  for (int k = 0; k < n; ++k) {
    int best = k;
    for (int i = k + 1; i < n; ++i)
      if (std::fabs(a[i * n + k]) > std::fabs(a[best * n + k])) best = i;
    if (!(std::fabs(a[best * n + k]) > kPivotTolerance * norm)) return false;
    if (best != k) {
      for (int j = 0; j < n; ++j) {
        std::swap(a[k * n + j], a[best * n + j]);
        std::swap(inverse[k * n + j], inverse[best * n + j]);
      }
    }
    const double inv = 1.0 / a[k * n + k];
    for (int j = 0; j < n; ++j) {
      a[k * n + j] *= inv;
      inverse[k * n + j] *= inv;
    }
    for (int i = 0; i < n; ++i) {
      if (i == k) continue;
      const double factor = a[i * n + k];
      if (factor == 0.0) continue;
      for (int j = 0; j < n; ++j) {
        a[i * n + j] -= factor * a[k * n + j];
        inverse[i * n + j] -= factor * inverse[k * n + j];
      }
    }
  }
  a = std::move(inverse);
  return true;
}

}  // namespace kora
