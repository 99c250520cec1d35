// The "Regression estimates" report: method, model equations, white-noise
// variance and the coefficients (with standard errors after GLS).
#pragma once

#include <string>

#include "project/univariate_project.h"

namespace kora {

std::string RegressionReportText(const UnivariateProject& project);

}  // namespace kora
