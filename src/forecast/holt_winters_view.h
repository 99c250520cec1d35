// The Holt-Winters commands on a project: dialog, computation on the current
// or rebuilt original series, the forecast plot window and its report.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

// Runs the dialog and the method (seasonal or not). Cancel changes nothing.
// Returns whether forecasts were made.
bool HoltWintersForecast(platform::Platform& ui, UnivariateProject& project, bool seasonal);

// The report of the plot slot kHoltWintersPlot or kSeasonalHoltWintersPlot.
std::string HoltWintersPlotReport(const platform::Platform& ui, const UnivariateProject& project,
                                  int plotSlot);
void WriteHoltWintersReport(platform::Platform& ui, UnivariateProject& project, int plotSlot);

// The series a forecaster runs on (the rebuilt original or the current one)
// and the time of its first value on the original axis.
struct ForecastSource {
  std::vector<double> series;
  int offset = 0;  // original time = index in series + offset
};
ForecastSource SourceSeries(const UnivariateProject& project, bool original);

// Draws the series and the forecasts at last+1..last+H (indices of the
// series) on the original time axis.
void DrawForecastWindow(platform::Platform& ui, UnivariateProject& project, int plotSlot,
                        const std::string& title, const ForecastSource& source,
                        const std::vector<double>& forecasts, int last);

}  // namespace kora
