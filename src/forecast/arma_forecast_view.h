// The ARMA forecast command on a project: its dialog, the forecast plot
// window (data and forecasts on one time axis) and its report.
#pragma once

#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

// With reuseSettings false the dialog asks for the settings first (Cancel
// changes nothing); true forecasts with the stored ones. Returns whether
// forecasts were made.
bool ArmaForecast(platform::Platform& ui, UnivariateProject& project, bool reuseSettings);

// Writes the report into the forecast plot's INFO window when it is open.
void WriteArmaForecastReport(platform::Platform& ui, UnivariateProject& project);

// An open forecast window follows the project's current model and data.
void RefreshArmaForecastView(platform::Platform& ui, UnivariateProject& project);

}  // namespace kora
