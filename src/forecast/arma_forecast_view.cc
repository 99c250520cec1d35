#include "forecast/arma_forecast_view.h"

#include "forecast/arma_forecast.h"
#include "forecast/arma_forecast_dialog.h"
#include "forecast/forecast_plot.h"
#include "project/project_views.h"
#include "project/window_titles.h"

namespace kora {

namespace {

void DrawForecastPlot(platform::Platform& ui, UnivariateProject& project, const DataScaleForecast& result) {
  PlotWindow& plot =
      OpenPlot(ui, project, kArmaForecastPlot, PlotTitlePrefix(kArmaForecastPlot) + ProjectName(ui, project));
  ClearPlotData(plot);
  SetCurve(plot, 1, result.data, result.firstIndex, result.lastIndex);
  const int count = static_cast<int>(result.forecasts.size());
  SetCurve(plot, 2, result.forecasts, result.lastIndex + 1, result.lastIndex + count);
  DrawPredictionBand(plot, result.lastIndex + 1, result.lower, result.upper);
  ComputeLimits(plot);
  ui.Invalidate(plot.window);
}

}  // namespace

void WriteArmaForecastReport(platform::Platform& ui, UnivariateProject& project) {
  PlotWindow& plot = project.plots[kArmaForecastPlot];
  if (!ui.Exists(plot.infoWindow)) return;
  const std::string title = ui.Title(plot.window);
  WriteReportWindow(ui, plot.infoWindow, "INFO: " + title, ArmaForecastReportText(project, title));
}

bool ArmaForecast(platform::Platform& ui, UnivariateProject& project, bool reuseSettings) {
  if (!project.HasData()) return false;
  const int oldCount = project.forecastCount;
  const ForecastUndoFlags oldFlags = StoredForecastFlags(project);
  const double oldVariance = project.forecastWnVariance;
  if (!reuseSettings) {
    const std::optional<ArmaForecastRequest> request = RunArmaForecastDialog(ui, project);
    if (!request) return false;
    project.forecastCount = request->count;
    project.forecastWnVariance = request->variance;
    StoreForecastFlags(project, request->flags);
  }
  DataScaleForecast result;
  if (!ComputeArmaForecast(project, result)) {
    project.forecastCount = oldCount;
    project.forecastWnVariance = oldVariance;
    StoreForecastFlags(project, oldFlags);
    return false;
  }
  DrawForecastPlot(ui, project, result);
  WriteArmaForecastReport(ui, project);
  return true;
}

void RefreshArmaForecastView(platform::Platform& ui, UnivariateProject& project) {
  if (PlotOpen(ui, project, kArmaForecastPlot)) ArmaForecast(ui, project, true);
}

}  // namespace kora
