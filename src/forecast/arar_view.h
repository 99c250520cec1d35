// The ARAR command on a project: dialog, computation on the current or
// rebuilt original series, the forecast plot window and its report.
#pragma once

#include <string>

#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

// Runs the dialog and the method; Cancel changes nothing. Returns whether
// forecasts were made.
bool ArarForecast(platform::Platform& ui, UnivariateProject& project);

std::string ArarPlotReport(const platform::Platform& ui, const UnivariateProject& project);
void WriteArarReport(platform::Platform& ui, UnivariateProject& project);

}  // namespace kora
