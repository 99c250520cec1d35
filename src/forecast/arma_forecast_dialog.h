// "ARMA Forecast": the number of forecasts, the white-noise variance and the
// inversions to apply (each box offered only when its step exists).
//
// Control ids: 1152 edit H, 1157 edit variance, 1156 mean, 1153 trend/seasonal,
// 1155 undifference, 1154 Box-Cox, 1231 regression; 1 OK, 2 Cancel.
#pragma once

#include <optional>

#include "forecast/forecast_undo.h"
#include "platform/dialog.h"
#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

inline constexpr int kForecastCountField = 1152;
inline constexpr int kForecastVarianceField = 1157;
inline constexpr int kForecastMeanBox = 1156;
inline constexpr int kForecastTrendSeasonalBox = 1153;
inline constexpr int kForecastUndifferenceBox = 1155;
inline constexpr int kForecastBoxCoxBox = 1154;
inline constexpr int kForecastRegressionBox = 1231;

class ArmaForecastDialog : public platform::Dialog {
 public:
  ArmaForecastDialog(const UnivariateProject& project);
};

struct ArmaForecastRequest {
  int count = 10;
  double variance = 1.0;
  ForecastUndoFlags flags;
};

// Runs the dialog until its fields are valid (then returns them, nothing
// stored yet) or the user cancels. A rejected field shows its message and
// the dialog again with the values as they were.
std::optional<ArmaForecastRequest> RunArmaForecastDialog(platform::Platform& ui, const UnivariateProject& project);

}  // namespace kora
