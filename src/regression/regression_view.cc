#include "regression/regression_view.h"

#include "project/project_views.h"
#include "project/window_titles.h"
#include "regression/regression_estimation.h"
#include "regression/regression_report.h"

namespace kora {

void RegressionReport(platform::Platform& ui, UnivariateProject& project) {
  WindowId& window = project.reports[kRegressionReport];
  const std::string title = ReportOnlyTitlePrefix(kRegressionReport) + ProjectName(ui, project);
  if (!ui.Exists(window)) window = ui.CreateWindow(platform::kReportWindow, title, project.plots[kMainPlot].ownerSlot);
  WriteReportWindow(ui, window, title, RegressionReportText(project));
  PlotWindow& plot = project.plots[kRegressionFitPlot];
  if (ui.Exists(plot.infoWindow)) {
    ui.DestroyWindow(plot.infoWindow);
    plot.infoWindow = 0;
  }
}

void ShowRegressionFit(platform::Platform& ui, UnivariateProject& project, bool open) {
  if (!open && !PlotOpen(ui, project, kRegressionFitPlot)) return;
  if (project.trend.fit.size() != project.series.size() || !project.HasData()) return;
  PlotWindow& plot =
      OpenPlot(ui, project, kRegressionFitPlot, "Regression Trend Function: " + ProjectName(ui, project));
  ClearPlotData(plot);
  SetCurve(plot, 1, TrendData(project), project.firstIndex, project.lastIndex);
  SetCurve(plot, 2, project.trend.fit, project.firstIndex, project.lastIndex);
  ComputeLimits(plot);
  ui.Invalidate(plot.window);
}

void RefreshRegressionViews(platform::Platform& ui, UnivariateProject& project) {
  RefreshViews(ui, project, true, false);
  RegressionReport(ui, project);
  ShowRegressionFit(ui, project, false);
}

void CloseRegressionViews(platform::Platform& ui, UnivariateProject& project) {
  ClosePlotWindow(ui, project.plots[kRegressionFitPlot]);
  WindowId& window = project.reports[kRegressionReport];
  if (ui.Exists(window)) ui.DestroyWindow(window);
  window = 0;
}

}  // namespace kora
