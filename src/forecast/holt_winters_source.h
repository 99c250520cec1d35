// The series the Holt-Winters and ARAR forecasters run on: the current series,
// or the original series rebuilt from it by undoing the mean, every
// difference (newest first), the classical trend/seasonal component and the
// Box-Cox transformation, whatever order they were applied in.
#pragma once

#include <vector>

#include "project/univariate_project.h"

namespace kora {

// D, the sum of the lags of all difference steps.
int DifferencedLags(const UnivariateProject& project);

// The current series with every removed component added back (length n + D),
// by the inversions of the ARMA forecasts.
// Subsequences and the regression trend stay as they are.
std::vector<double> RebuildOriginalSeries(const UnivariateProject& project);

}  // namespace kora
