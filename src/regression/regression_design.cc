#include "regression/regression_design.h"

#include <cmath>

namespace kora {

namespace {

constexpr double kPi = 3.14159265359;  // the value the trend columns are defined with

int FirstPower(const RegressionTrend& trend) { return trend.includeIntercept ? 0 : 1; }

}  // namespace

int RegressorCount(const RegressionTrend& trend) {
  return trend.polyOrder + 2 * trend.harmonicCount + (trend.includeIntercept ? 1 : 0);
}

double DesignValue(const RegressionTrend& trend, int column, int t, int n) {
  const int j0 = FirstPower(trend);
  const int powers = trend.polyOrder - j0 + 1;
  if (column <= powers) return std::pow(static_cast<double>(t), column - 1 + j0);
  const int offset = column - powers - 1;  // 0-based among the harmonic columns
  const int harmonic = offset / 2;
  const double angle = 2.0 * kPi * trend.fourierIndex[harmonic] * t / n;
  return offset % 2 == 0 ? std::cos(angle) : std::sin(angle);
}

std::vector<double> BuildDesign(const RegressionTrend& trend, int n) {
  const int m = RegressorCount(trend);
  std::vector<double> design(static_cast<size_t>(n) * m);
  for (int j = 1; j <= m; ++j)
    for (int t = 1; t <= n; ++t) design[static_cast<size_t>(j - 1) * n + (t - 1)] = DesignValue(trend, j, t, n);
  return design;
}

double TrendValue(const RegressionTrend& trend, int t, int n) {
  double value = 0.0;
  const int m = static_cast<int>(trend.beta.size());
  for (int j = 1; j <= m; ++j) value += trend.beta[j - 1] * DesignValue(trend, j, t, n);
  return value;
}

}  // namespace kora
