// One series through a recipe, by the same functions the workbench's commands
// call: the transformations, the fit, the randomness tests of the residuals
// and the forecasts in the data's units.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/recipe.h"
#include "stats/randomness.h"

namespace kora {

struct SeriesFit {
  std::string error;                 // why the series could not be fitted; empty when it was
  std::vector<double> coefficients;  // ARMA phi then theta; Holt-Winters alpha, beta (, gamma); ARAR below
  double sigma2 = 0.0;               // white-noise variance (Holt-Winters and ARAR: RMSE squared)
  std::optional<double> aicc;        // ARMA only
  std::optional<RandomnessStats> tests;  // ARMA only: the residuals' statistics at the automatic h
  std::vector<double> forecasts;         // horizon values in the data's units
  std::vector<double> lower, upper;      // their 95% bounds (ARMA only)
};

// ARAR's coefficients: lags 1, l1, l2, l3, their coefficients, then the mean.
inline constexpr int kArarCoefficientCount = 9;

SeriesFit FitSeries(const Recipe& recipe, const std::vector<double>& values);

}  // namespace kora
