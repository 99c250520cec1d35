#include "project/project_views.h"

#include "arma/model_views.h"
#include "forecast/arma_forecast_view.h"
#include "forecast/arar_view.h"
#include "forecast/holt_winters_view.h"
#include "project/plot_labels.h"
#include "project/window_titles.h"
#include "smooth/smoothing_view.h"
#include "stats/acf_view.h"
#include "stats/histogram.h"
#include "stats/histogram_view.h"
#include "stats/spectrum_reports.h"
#include "stats/residual_views.h"
#include "stats/spectrum_view.h"
#include "transform/classical_fit.h"
#include "stats/stats_reports.h"

namespace kora {

using platform::kPlotWindow;
using platform::kReportWindow;

std::string ProjectName(const Platform& ui, const UnivariateProject& project) {
  return ui.Title(project.plots[kMainPlot].window);
}

std::unique_ptr<UnivariateProject> NewUnivariateProject(Platform& ui, int slot) {
  auto project = std::make_unique<UnivariateProject>();
  for (auto& plot : project->plots) InitPlot(plot);
  PlotWindow& main = project->plots[kMainPlot];
  main.ownerSlot = slot;
  main.plotKind = 0;
  LabelPlot(main, kMainPlot);
  main.window = ui.CreateWindow(kPlotWindow, kNewUnivariateName, slot);
  for (auto& plot : project->plots) plot.ownerSlot = slot;
  DrawMainPlot(ui, *project);
  project->inUse = true;
  return project;
}

bool PlotOpen(const Platform& ui, const UnivariateProject& project, int plotSlot) {
  return ui.Exists(project.plots[plotSlot].window);
}

PlotWindow& OpenPlot(Platform& ui, UnivariateProject& project, int plotSlot, const std::string& title) {
  PlotWindow& plot = project.plots[plotSlot];
  if (!ui.Exists(plot.window)) {
    const int slot = project.plots[kMainPlot].ownerSlot;
    InitPlot(plot);
    plot.plotKind = plotSlot;
    plot.ownerSlot = slot;
    LabelPlot(plot, plotSlot);
    plot.window = ui.CreateWindow(kPlotWindow, title, slot);
    // A new child window becomes the active one, as on any desktop.
    ui.Activate(plot.window);
  }
  return plot;
}

void ClosePlotWindow(Platform& ui, PlotWindow& plot) {
  const int slot = plot.ownerSlot;
  const int kind = plot.plotKind;
  WindowId window = plot.window, info = plot.infoWindow;
  InitPlot(plot);
  plot.ownerSlot = slot;
  plot.plotKind = kind;
  if (ui.Exists(info)) ui.DestroyWindow(info);
  if (ui.Exists(window)) ui.DestroyWindow(window);
}

namespace {

// The report text of a plot, or nothing for plots whose analysis writes no report here.
std::optional<std::string> PlotReportText(const UnivariateProject& project, int plotSlot) {
  switch (plotSlot) {
    case kMainPlot:
      return DataSummaryText(project);
    case kAcfPlot:
      return AcfPacfReportText(project);
    // Histograms and spectra
    case kHistogramPlot:
      return HistogramReportText(project.histogramBins);
    case kResidualHistogramPlot:
      return ResidualHistogramReportText(project.histogramBins);
    case kResidualPlot:
      return ResidualPlotText(project);
    case kResidualAcfPlot:
      return ResidualAcfText(project);
    case kSpectrumPlot:
      return SpectrumReportText(project);
    case kCumulativeSpectrumPlot:
      return CumulativeSpectrumReportText();
    case kClassicalFitPlot:
      return FitReportText(project);
    // Smoothing
    case kExponentialSmoothingPlot:
    case kFftSmoothingPlot:
    case kMovingAverageSmoothingPlot:
      return SmoothingReportText(project, plotSlot);
    default:
      return std::nullopt;
  }
}

std::string PlotReportTitle(const Platform& ui, const UnivariateProject& project, int plotSlot) {
  // The ACF/PACF report is titled after its plot window ("INFO: " + the plot's
  // title), as the ACF/PACF report itself sets it; a project rename writes the
  // registry's prefix instead ("ACF.PACF:INFO: " + name).
  if (plotSlot == kAcfPlot) return "INFO: " + ui.Title(project.plots[kAcfPlot].window);
  // Histogram, spectrum, fit and smoothing reports are titled "INFO: " + their plot's title.
  if (plotSlot >= kSpectrumPlot && plotSlot <= kClassicalFitPlot) return "INFO: " + ui.Title(project.plots[plotSlot].window);
  if (plotSlot >= kExponentialSmoothingPlot && plotSlot <= kMovingAverageSmoothingPlot)
    return "INFO: " + ui.Title(project.plots[plotSlot].window);
  if (plotSlot == kResidualHistogramPlot) return "INFO: " + ui.Title(project.plots[plotSlot].window);
  if (plotSlot == kResidualPlot || plotSlot == kResidualAcfPlot)
    return "INFO: " + ui.Title(project.plots[plotSlot].window);
  return PlotReportTitlePrefix(plotSlot) + ProjectName(ui, project);
}

}  // namespace

void WriteReportWindow(Platform& ui, WindowId window, const std::string& title, const std::string& text) {
  if (!ui.Exists(window)) return;
  ui.SetTitle(window, title);
  ui.SetText(window, text);
}

void ShowReportOnly(Platform& ui, UnivariateProject& project, int reportSlot, const std::string& text) {
  WindowId& window = project.reports[reportSlot];
  const std::string title = ReportOnlyTitlePrefix(reportSlot) + ProjectName(ui, project);
  if (!ui.Exists(window)) window = ui.CreateWindow(platform::kReportWindow, title, project.plots[kMainPlot].ownerSlot);
  WriteReportWindow(ui, window, title, text);
}

void WritePlotReport(Platform& ui, UnivariateProject& project, int plotSlot) {
  PlotWindow& plot = project.plots[plotSlot];
  if (!ui.Exists(plot.infoWindow)) return;
  // The forecast report is titled after its plot window, like its first line.
  if (plotSlot == kArmaForecastPlot) return WriteArmaForecastReport(ui, project);
  if (plotSlot == kArarForecastPlot) return WriteArarReport(ui, project);
  if (plotSlot == kHoltWintersPlot || plotSlot == kSeasonalHoltWintersPlot)
    return WriteHoltWintersReport(ui, project, plotSlot);
  if (auto text = PlotReportText(project, plotSlot))
    WriteReportWindow(ui, plot.infoWindow, PlotReportTitle(ui, project, plotSlot), *text);
}

void ShowPlotInfo(Platform& ui, UnivariateProject& project, int plotSlot) {
  PlotWindow& plot = project.plots[plotSlot];
  if (ui.Exists(plot.infoWindow)) {
    ui.Restore(plot.infoWindow);
    ui.Activate(plot.infoWindow);
    return;
  }
  plot.infoWindow = ui.CreateWindow(kReportWindow, "INFO", plot.ownerSlot);
  ui.Activate(plot.infoWindow);
  WritePlotReport(ui, project, plotSlot);
}

void DrawMainPlot(Platform& ui, UnivariateProject& project) {
  PlotWindow& plot = project.plots[kMainPlot];
  ClearPlotData(plot);
  if (project.HasData()) {
    SetCurve(plot, 1, project.series, project.firstIndex, project.lastIndex);
  } else {
    // An empty project shows "<NO DATA PRESENT>" in its main plot.
    PlotCurve& curve = plot.curves[0];
    curve.curveKind = kCurveNoData;
    curve.used = true;
    curve.panel = 1;
    ComputeLimits(plot);
  }
  ui.Invalidate(plot.window);
}

void ResetForNewData(Platform& ui, UnivariateProject& project) {
  project.firstIndex = project.lastIndex = 0;
  for (auto* array : {&project.series, &project.untransformedSeries, &project.sampleAcf, &project.samplePacf,
                      &project.modelAcf, &project.modelPacf, &project.residuals, &project.residualAcf,
                      &project.residualPacf, &project.periodogram,
                      // spectrum and smoothing results
                      &project.smoothedPeriodogram, &project.cumulativePeriodogram, &project.daniellWeights,
                      &project.exponentialSmoothed, &project.fftSmoothed, &project.movingAverageSmoothed,
                      &project.movingAverageWeights})
    array->clear();
  project.holtWinters.hwForecast.clear();
  project.seasonalHoltWinters.hwForecast.clear();
  project.arar.ararForecast.clear();
  for (int slot = kClassicalFitPlot; slot < kPlotSlotCount; ++slot) ClosePlotWindow(ui, project.plots[slot]);
  for (WindowId& report : project.reports) {
    if (ui.Exists(report)) ui.DestroyWindow(report);
    report = 0;
  }
  project.transforms.clear();
  project.trend = RegressionTrend{};
  project.showPeriodogram = false;
  project.showModelSpectrum = true;
  project.acfDisplayFlags &= ~kAcfSample;
  ClearPlotData(project.plots[kMainPlot]);
  RefreshViews(ui, project, true, true);
}

void SetData(Platform& ui, UnivariateProject& project, std::vector<double> values) {
  ResetForNewData(ui, project);
  const int n = static_cast<int>(values.size());
  project.series = values;
  project.untransformedSeries = std::move(values);
  project.firstIndex = n > 0 ? 1 : 0;
  project.lastIndex = n;
  RefreshViews(ui, project, true, true);
  ui.Activate(project.plots[kMainPlot].window);
}

void RefreshViews(Platform& ui, UnivariateProject& project, bool dataChanged, bool modelChanged) {
  // The main plot shows only the data; its report's data summary is cached
  // (a model change rewrites just the model lines at the cost of a look-up).
  if (dataChanged) DrawMainPlot(ui, project);
  WritePlotReport(ui, project, kMainPlot);
  if (dataChanged && PlotOpen(ui, project, kAcfPlot) && (project.acfDisplayFlags & kAcfSample)) {
    SampleAcfPlot(ui, project);
    WritePlotReport(ui, project, kAcfPlot);
  }
  // Model ACF and AR/MA Infinity; residuals recomputed with their tests, plot and ACF/PACF.
  if (modelChanged) RefreshModelViews(ui, project);
  RefreshResidualViews(ui, project);
  // An open ARMA forecast follows the new model and data.
  RefreshArmaForecastView(ui, project);
  // Histograms (data and residuals), then the spectrum and cumulative spectrum windows.
  RefreshHistogramViews(ui, project, dataChanged);
  RefreshSpectrumViews(ui, project, dataChanged);
}

void ReleaseProject(Platform& ui, UnivariateProject& project) {
  for (WindowId report : project.reports)
    if (ui.Exists(report)) ui.DestroyWindow(report);
  for (auto& plot : project.plots) ClosePlotWindow(ui, plot);
  project = UnivariateProject{};
}

void RetitleProjectWindows(Platform& ui, UnivariateProject& project) {
  const std::string name = ProjectName(ui, project);
  for (int slot = 0; slot < kPlotSlotCount; ++slot) {
    PlotWindow& plot = project.plots[slot];
    if (ui.Exists(plot.window)) ui.SetTitle(plot.window, PlotTitlePrefix(slot) + name);
    if (ui.Exists(plot.infoWindow)) ui.SetTitle(plot.infoWindow, PlotReportTitlePrefix(slot) + name);
  }
  for (int r = 0; r < kReportSlotCount; ++r)
    if (ui.Exists(project.reports[r])) ui.SetTitle(project.reports[r], ReportOnlyTitlePrefix(r) + name);
}

int PlotSlotOfWindow(const UnivariateProject& project, WindowId window) {
  if (window == 0) return -1;
  for (int slot = 0; slot < kPlotSlotCount; ++slot)
    if (project.plots[slot].window == window) return slot;
  return -1;
}

std::vector<WindowId> ProjectWindows(const UnivariateProject& project) {
  std::vector<WindowId> windows;
  for (const auto& plot : project.plots) {
    if (plot.window) windows.push_back(plot.window);
    if (plot.infoWindow) windows.push_back(plot.infoWindow);
  }
  for (WindowId report : project.reports)
    if (report) windows.push_back(report);
  return windows;
}

}  // namespace kora
