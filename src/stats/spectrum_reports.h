// The INFO texts of the spectrum and cumulative spectrum windows.
#pragma once

#include <string>

#include "project/univariate_project.h"

namespace kora {

// Frequency count, the Daniell weights when the smoothed periodogram is
// shown, and Fisher's test.
std::string SpectrumReportText(const UnivariateProject& project);
std::string CumulativeSpectrumReportText();

}  // namespace kora
