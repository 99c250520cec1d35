// The regression trend function M(t) of a univariate project: the terms the
// user chose, the design matrix and the estimates.
#pragma once

#include <array>
#include <vector>

namespace kora {

inline constexpr int kMaxTrendPolyOrder = 10;
inline constexpr int kMaxTrendHarmonics = 4;

// estimationState values
inline constexpr int kTrendNotEstimated = 0;
inline constexpr int kTrendLeastSquares = 1;
inline constexpr int kTrendGeneralizedLs = 2;

struct RegressionTrend {
  int polyOrder = 0;
  bool includeIntercept = true;
  int harmonicCount = 0;
  std::array<int, kMaxTrendHarmonics> fourierIndex{};
  bool auxFlag = false;         // the auxiliary-variables box; cleared when the design is built
  int regressorCount = 0;       // m = P + 2K + (1 with the intercept)
  bool trendSpecified = false;  // a design matrix exists
  int estimationState = kTrendNotEstimated;
  std::vector<double> design;      // n x m, column-major
  std::vector<double> beta;        // coefficients in design-column order
  std::vector<double> covariance;  // m x m, after generalized least squares
  std::vector<double> fit;         // fitted trend M(t), while estimated
};

// Whether coefficients are estimated (the current series holds the residuals).
inline bool TrendPresent(const RegressionTrend& t) { return t.estimationState != kTrendNotEstimated; }

}  // namespace kora
