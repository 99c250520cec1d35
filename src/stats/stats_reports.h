// The INFO texts of the main data plot (series summary and model) and of the
// ACF/PACF window.
#pragma once

#include <string>

#include "project/univariate_project.h"

namespace kora {

// Count, mean, variance and standard error of the mean of the current series,
// then the model equations and the white-noise variance.
std::string DataSummaryText(const UnivariateProject& project);

// The stored sample and model ACF/PACF listings selected by the display flags.
std::string AcfPacfReportText(const UnivariateProject& project);

}  // namespace kora
