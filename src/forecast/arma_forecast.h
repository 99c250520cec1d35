// ARMA forecasts of a univariate project: H predictors of the working series
// from the current model (through its invertible equivalent when the MA part
// is not invertible, leaving the user's model as it was), mapped back to the
// data scale by the inversions the user asked for, with the mean squared
// errors rescaled to the white-noise variance the user entered.
#pragma once

#include <string>
#include <vector>

#include "forecast/forecast_undo.h"
#include "project/univariate_project.h"

namespace kora {

// The stored flags of a project as undo flags, and back.
ForecastUndoFlags StoredForecastFlags(const UnivariateProject& project);
void StoreForecastFlags(UnivariateProject& project, const ForecastUndoFlags& flags);

// Forecasts with the stored settings (forecastCount, the five flags after
// their implications, forecastWnVariance). Fills armaForecasts (data scale)
// and armaForecastMse (rescaled) and returns the data the forecasts follow.
// False, with the forecasts and the model untouched, when the model cannot be
// evaluated on the working series.
bool ComputeArmaForecast(UnivariateProject& project, DataScaleForecast& out);

// The fractionally integrated predictor of x(1..n) (Durbin-Levinson on the
// model autocovariances) and MSE(h) = sigma2 sum_{j<h} psi(j)^2.
bool FractionalForecast(const std::vector<double>& x, const ArmaModel& model, int horizon,
                        std::vector<double>& forecasts, std::vector<double>& mse);

// The forecast report; `windowTitle` is the title of the forecast plot window.
std::string ArmaForecastReportText(const UnivariateProject& project, const std::string& windowTitle);

}  // namespace kora
