// The Spectrum menu: periodogram, model spectrum, smoothing, log scale,
// Fisher's test and the cumulative spectra.
#include "app/application.h"
#include "app/commands.h"
#include "project/project_views.h"
#include "stats/spectrum_fisher_dialog.h"
#include "stats/spectrum_smoothing_dialog.h"
#include "stats/spectrum_view.h"

namespace kora {

namespace {

// The spectrum window with the chosen curves; the spectra are computed
// afresh when the window was closed.
void ShowSpectrum(Application& app, UnivariateProject& project, bool periodogram, bool model) {
  if (!PlotOpen(app.ui, project, kSpectrumPlot)) ComputeSpectra(app.ui, project);
  project.showPeriodogram = periodogram;
  project.showModelSpectrum = model;
  OpenSpectrumWindow(app.ui, project);
  DrawSpectrum(app.ui, project);
  WritePlotReport(app.ui, project, kSpectrumPlot);
  app.UpdateMenus();
}

void ShowCumulative(Application& app, int mode) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (!CumulativeSpectrum(app.ui, project, mode)) return;
  WritePlotReport(app.ui, project, kCumulativeSpectrumPlot);
  app.UpdateMenus();
}

}  // namespace

void PeriodogramCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (!project.HasData()) return;
  project.showSmoothed = false;
  project.smoothedPeriodogram.clear();
  ShowSpectrum(app, project, true, false);
}

void ModelSpectrumCommand(Application& app) { ShowSpectrum(app, *app.CurrentUnivariate(), false, true); }

void ModelAndPeriodogramCommand(Application& app) { ShowSpectrum(app, *app.CurrentUnivariate(), true, true); }

void SmoothedPeriodogramCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (!project.HasData()) return;
  project.showPeriodogram = true;
  if (!PlotOpen(app.ui, project, kSpectrumPlot)) {
    project.showModelSpectrum = false;
    ComputeSpectra(app.ui, project);
    OpenSpectrumWindow(app.ui, project);
  }
  DrawSpectrum(app.ui, project);
  WritePlotReport(app.ui, project, kSpectrumPlot);
  app.UpdateMenus();
  SpectrumSmoothingDialog dialog(project, [&app, &project] {
    DrawSpectrum(app.ui, project);
    WritePlotReport(app.ui, project, kSpectrumPlot);
  });
  app.ui.RunDialog(dialog);
}

void LogSpectrumCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  project.logSpectrum = !project.logSpectrum;
  app.UpdateMenus();
  DrawSpectrum(app.ui, project);
}

void FisherTestCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (!project.HasData()) return;
  if (!PlotOpen(app.ui, project, kSpectrumPlot) && !PlotOpen(app.ui, project, kCumulativeSpectrumPlot))
    ComputeSpectra(app.ui, project);
  FisherTestDialog dialog(project.fisherRatio, project.fisherProbability);
  app.ui.RunDialog(dialog);
}

void CumulativeModelCommand(Application& app) { ShowCumulative(app, kCumulativeModel); }
void CumulativePeriodogramCommand(Application& app) { ShowCumulative(app, kCumulativePeriodogram); }
void CumulativeBothCommand(Application& app) { ShowCumulative(app, kCumulativeBoth); }

}  // namespace kora
