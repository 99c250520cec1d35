#include "forecast/arar_view.h"

#include "forecast/arar.h"
#include "forecast/arar_dialog.h"
#include "forecast/arar_report.h"
#include "forecast/forecast_plot.h"
#include "forecast/prediction_band.h"
#include "forecast/holt_winters_source.h"
#include "forecast/holt_winters_view.h"
#include "project/project_views.h"

namespace kora {

bool ArarForecast(platform::Platform& ui, UnivariateProject& project) {
  if (!project.HasData()) return false;
  const int differenced = DifferencedLags(project);
  ArarSettings settings = project.arar;
  ArarDialog dialog(settings, project.forecastCount, differenced, project.count() + differenced);
  if (ui.RunDialog(dialog) != platform::kIdOk) return false;
  const ForecastSource source = SourceSeries(project, settings.ararOriginal);
  ArarRun(settings, source.series, settings.ararCount);
  project.arar = std::move(settings);
  project.forecastCount = project.arar.ararCount;
  const ArarSettings& s = project.arar;
  const std::vector<double> forecasts(s.ararForecast.begin() + s.ararLast,
                                      s.ararForecast.begin() + s.ararLast + s.ararCount);
  DrawForecastWindow(ui, project, kArarForecastPlot, "ARAR Forecast: " + ProjectName(ui, project), source,
                     forecasts, s.ararLast);
  // The band of the whitening filter's forecasts with the one-step error variance.
  const std::vector<double> half = BandHalfWidths(
      WeightsMse(InverseFilterWeights(s.whitenCoef, s.ararCount), s.ararRmse * s.ararRmse, s.ararCount));
  std::vector<double> lower(forecasts), upper(forecasts);
  for (size_t h = 0; h < forecasts.size(); ++h) lower[h] -= half[h], upper[h] += half[h];
  PlotWindow& plot = project.plots[kArarForecastPlot];
  DrawPredictionBand(plot, source.offset + s.ararLast + 1, lower, upper);
  ui.Invalidate(plot.window);
  WriteArarReport(ui, project);
  return true;
}

std::string ArarPlotReport(const platform::Platform& ui, const UnivariateProject& project) {
  const int offset = project.arar.ararOriginal ? 0 : DifferencedLags(project);
  return ArarReportText(project.arar, ui.Title(project.plots[kArarForecastPlot].window), offset);
}

void WriteArarReport(platform::Platform& ui, UnivariateProject& project) {
  PlotWindow& plot = project.plots[kArarForecastPlot];
  if (!ui.Exists(plot.infoWindow)) return;
  WriteReportWindow(ui, plot.infoWindow, "INFO: " + ui.Title(plot.window), ArarPlotReport(ui, project));
}

}  // namespace kora
