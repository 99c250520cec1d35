#include "forecast/holt_winters_view.h"

#include "forecast/holt_winters.h"
#include "forecast/holt_winters_dialog.h"
#include "forecast/holt_winters_report.h"
#include "forecast/holt_winters_source.h"
#include "project/project_views.h"

namespace kora {

namespace {

const char* TitlePrefix(bool seasonal) {
  return seasonal ? "Seasonal Holt-Winters Forecast: " : "Holt-Winters Forecast: ";
}

}  // namespace

ForecastSource SourceSeries(const UnivariateProject& project, bool original) {
  if (original) return {RebuildOriginalSeries(project), 0};
  return {project.series, DifferencedLags(project)};
}

void DrawForecastWindow(platform::Platform& ui, UnivariateProject& project, int plotSlot,
                        const std::string& title, const ForecastSource& source,
                        const std::vector<double>& forecasts, int last) {
  PlotWindow& plot = OpenPlot(ui, project, plotSlot, title);
  ClearPlotData(plot);
  const int n = static_cast<int>(source.series.size());
  SetCurve(plot, 1, source.series, source.offset + 1, source.offset + n);
  const int first = source.offset + last + 1;
  SetCurve(plot, 2, forecasts, first, first + static_cast<int>(forecasts.size()) - 1);
  ComputeLimits(plot);
  ui.Invalidate(plot.window);
}

bool HoltWintersForecast(platform::Platform& ui, UnivariateProject& project, bool seasonal) {
  if (!project.HasData()) return false;
  HoltWintersSettings& stored = seasonal ? project.seasonalHoltWinters : project.holtWinters;
  const int differenced = DifferencedLags(project);
  HoltWintersSettings settings = stored;
  HoltWintersDialog dialog(seasonal, settings, project.forecastCount, differenced,
                           project.count() + differenced);
  if (ui.RunDialog(dialog) != platform::kIdOk) return false;
  const ForecastSource source = SourceSeries(project, settings.hwOriginal);
  HoltWintersRun(settings, source.series, settings.hwCount);
  stored = std::move(settings);
  project.forecastCount = stored.hwCount;
  const int slot = seasonal ? kSeasonalHoltWintersPlot : kHoltWintersPlot;
  const std::vector<double> forecasts(stored.hwForecast.begin() + stored.hwLast,
                                      stored.hwForecast.begin() + stored.hwForecastEnd);
  DrawForecastWindow(ui, project, slot, TitlePrefix(seasonal) + ProjectName(ui, project), source, forecasts,
                     stored.hwLast);
  WriteHoltWintersReport(ui, project, slot);
  return true;
}

std::string HoltWintersPlotReport(const platform::Platform& ui, const UnivariateProject& project,
                                  int plotSlot) {
  const bool seasonal = plotSlot == kSeasonalHoltWintersPlot;
  const HoltWintersSettings& s = seasonal ? project.seasonalHoltWinters : project.holtWinters;
  const int offset = s.hwOriginal ? 0 : DifferencedLags(project);
  return HoltWintersReportText(s, seasonal, ui.Title(project.plots[plotSlot].window), offset);
}

void WriteHoltWintersReport(platform::Platform& ui, UnivariateProject& project, int plotSlot) {
  PlotWindow& plot = project.plots[plotSlot];
  if (!ui.Exists(plot.infoWindow)) return;
  WriteReportWindow(ui, plot.infoWindow, "INFO: " + ui.Title(plot.window),
                    HoltWintersPlotReport(ui, project, plotSlot));
}

}  // namespace kora
