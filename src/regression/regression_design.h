// The columns of the trend function: powers t^j, then a cosine and a sine per
// harmonic, for t = 1..n.
#pragma once

#include <vector>

#include "regression/regression_trend.h"

namespace kora {

// m = P + 2K + (1 with the intercept) of the trend's settings.
int RegressorCount(const RegressionTrend& trend);

// Value of design column `column` (1-based) at time t for a series of length n.
double DesignValue(const RegressionTrend& trend, int column, int t, int n);

// The n x m design, column-major.
std::vector<double> BuildDesign(const RegressionTrend& trend, int n);

// M(t) = sum of beta(j) times column j at time t (any t, also beyond n).
double TrendValue(const RegressionTrend& trend, int t, int n);

}  // namespace kora
