// The regression trend function M(t) of a univariate project.
#pragma once

#include <array>
#include <vector>

namespace kora {

struct RegressionTrend {
  int polyOrder = 0;
  bool includeIntercept = true;
  int harmonicCount = 0;
  std::array<int, 4> fourierIndex{};
  bool trendSpecified = false;  // a trend function has been specified
  int estimationState = 0;      // 0: no trend estimated (present); otherwise estimated
  std::vector<double> beta;     // coefficients in design-column order
  std::vector<double> fit;      // fitted trend
};

inline bool TrendPresent(const RegressionTrend& t) { return t.estimationState != 0; }

}  // namespace kora
