// Estimation of the regression trend with the ARMA errors of the project's
// model: the design built from the settings, least squares, generalized least
// squares through the model's residual transform, and removal. While the
// trend is estimated the current series holds Y(t) - M(t) and the fit M(t) is
// stored beside it.
#pragma once

#include <vector>

#include "project/univariate_project.h"

namespace kora {

// After the dialog: m = P + 2K (+1); clears auxFlag; with m > 0 builds the
// design, marks the trend specified and not estimated. Returns m.
int BuildTrendDesign(UnivariateProject& project);

// Ordinary least squares; false (nothing changed) without a design.
bool EstimateRegressionLS(UnivariateProject& project);

// The rescaled one-step prediction errors of a series under the model (a copy
// of the model is evaluated, the project's model is not changed); empty when
// the model cannot be evaluated.
std::vector<double> ModelResiduals(const std::vector<double>& series, const ArmaModel& model);

// Generalized least squares with the current ARMA model; false (nothing
// changed) without a design or when the model cannot be evaluated.
bool EstimateRegressionGLS(UnivariateProject& project);

// Adds a stored fit back and clears the whole trend.
void RemoveRegressionTrend(UnivariateProject& project);

// Y(t): the current series with the stored fit added back.
std::vector<double> TrendData(const UnivariateProject& project);

}  // namespace kora
