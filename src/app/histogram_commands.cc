// Statistics > Histogram and Residual Analysis > Histogram.
#include "app/application.h"
#include "app/commands.h"
#include "project/project_views.h"
#include "stats/histogram_view.h"

namespace kora {

void HistogramCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (PlotOpen(app.ui, project, kHistogramPlot)) {
    app.ui.Restore(project.plots[kHistogramPlot].window);
    app.ui.Activate(project.plots[kHistogramPlot].window);
    return;
  }
  if (DrawHistogram(app.ui, project, project.histogramBins)) WritePlotReport(app.ui, project, kHistogramPlot);
}

void HistogramBinsCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (!project.HasData()) return;
  const int bins = AskHistogramBins(app.ui, project);
  if (bins >= 1 && DrawHistogram(app.ui, project, bins)) WritePlotReport(app.ui, project, kHistogramPlot);
}

void ResidualHistogramCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (DrawResidualHistogram(app.ui, project, project.histogramBins)) WritePlotReport(app.ui, project, kResidualHistogramPlot);
}

}  // namespace kora
