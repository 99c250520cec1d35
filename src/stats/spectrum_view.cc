#include "stats/spectrum_view.h"

#include <cmath>

#include "project/project_views.h"
#include "stats/daniell.h"
#include "stats/fisher_test.h"
#include "stats/periodogram.h"
#include "stats/spectrum_cumulative.h"
#include "stats/spectrum_model.h"

namespace kora {

namespace {

constexpr double kTwoPi = 6.28318530718;
constexpr double kPi = 3.14159265359;
constexpr double kNullLog = -100.0;
constexpr int kPeriodogramCurve = 1;
constexpr int kModelCurve = 2;

// Natural logarithms; each value at or below 0 becomes -100 after its message.
std::vector<double> Logged(platform::Platform& ui, std::vector<double> values) {
  for (double& v : values) {
    if (v > 0.0) {
      v = std::log(v);
    } else {
      ui.Message("KORA::Tarn ERROR", "Null in spectrum, setting log to -100");
      v = kNullLog;
    }
  }
  return values;
}

std::vector<double> Grid(int count, int first, double step) {
  std::vector<double> x(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) x[i] = (first + i) * step;
  return x;
}

}  // namespace

void ApplyDaniellSmoothing(UnivariateProject& project) {
  const std::vector<int> orders(project.daniellOrders.begin(),
                                project.daniellOrders.begin() + project.daniellFilterCount);
  project.daniellWeights = DaniellWeights(orders);
  if (project.daniellWeights.size() < 2)
    project.smoothedPeriodogram.clear();
  else
    project.smoothedPeriodogram = SmoothPeriodogram(project.periodogram, project.daniellWeights, project.count());
}

namespace {

void ComputeModelSpectrum(platform::Platform& ui, UnivariateProject& project) {
  ModelSpectrumResult model = ModelSpectrum(project.model, project.modelSpectrumResolution);
  project.modelSpectrum = std::move(model.density);
  for (int i = 0; i < model.singularities; ++i)
    ui.Message("TARN::ERROR", "Singularity in model spectrum, set to 1000000 * WN-Variance");
}

}  // namespace

void ComputeSpectra(platform::Platform& ui, UnivariateProject& project) {
  project.periodogram = Periodogram(project.series);
  const FisherResult fisher = FisherTest(project.periodogram, project.count());
  project.fisherRatio = fisher.ratio;
  project.fisherProbability = fisher.probability;
  ComputeModelSpectrum(ui, project);
  if (!project.smoothedPeriodogram.empty()) ApplyDaniellSmoothing(project);
}

void OpenSpectrumWindow(platform::Platform& ui, UnivariateProject& project) {
  OpenPlot(ui, project, kSpectrumPlot, "SPECTRUM: " + ProjectName(ui, project));
}

void DrawSpectrum(platform::Platform& ui, UnivariateProject& project) {
  PlotWindow& plot = project.plots[kSpectrumPlot];
  if (!ui.Exists(plot.window)) return;
  ClearPlotData(plot);
  const int n = project.count();
  const int m = static_cast<int>(project.periodogram.size());
  if (project.showPeriodogram && m > 0) {
    const bool smoothed = project.smoothedPeriodogram.size() == static_cast<size_t>(m) + 1;
    const std::vector<double>& y = smoothed ? project.smoothedPeriodogram : project.periodogram;
    const std::vector<double> x = Grid(static_cast<int>(y.size()), smoothed ? 0 : 1, kTwoPi / n);
    SetCurvePoints(plot, kPeriodogramCurve, kCurveLine, x, project.logSpectrum ? Logged(ui, y) : y);
  }
  const int bigM = static_cast<int>(project.modelSpectrum.size()) - 1;
  if (project.showModelSpectrum && bigM >= 1) {
    // A long-memory model has an infinite density at frequency 0.
    const int first = project.model.fractional && project.model.fractionalD > 0.0 ? 1 : 0;
    std::vector<double> y(project.modelSpectrum.begin() + first, project.modelSpectrum.end());
    const std::vector<double> x = Grid(bigM + 1 - first, first, kPi / bigM);
    SetCurvePoints(plot, kModelCurve, kCurveLineAlt, x, project.logSpectrum ? Logged(ui, std::move(y)) : y);
  }
  ComputeLimits(plot);
  ui.Invalidate(plot.window);
}

bool CumulativeSpectrum(platform::Platform& ui, UnivariateProject& project, int mode) {
  if (!PlotOpen(ui, project, kSpectrumPlot)) ComputeSpectra(ui, project);
  const bool model = (mode == kCumulativeModel || mode == kCumulativeBoth) && project.modelSpectrum.size() >= 2;
  const int q = (project.count() - 1) / 2;
  const bool periodogram = (mode == kCumulativePeriodogram || mode == kCumulativeBoth) && q >= 1 &&
                           project.periodogram.size() >= static_cast<size_t>(q);
  if (!model && !periodogram) return false;
  PlotWindow& plot =
      OpenPlot(ui, project, kCumulativeSpectrumPlot, "CUMULATIVE SPECTRUM: " + ProjectName(ui, project));
  // Mode 1 removes the model curve and mode 2 the periodogram curve.
  ClearPlotData(plot);
  if (model) {
    project.cumulativeModelSpectrum = NormalisedCumulative(project.modelSpectrum);
    const int bigM = static_cast<int>(project.modelSpectrum.size()) - 1;
    SetCurvePoints(plot, kModelCurve, kCurveLineAlt, Grid(bigM + 1, 0, kPi / bigM), project.cumulativeModelSpectrum);
  }
  if (periodogram) {
    project.cumulativePeriodogram = NormalisedCumulative(
        std::vector<double>(project.periodogram.begin(), project.periodogram.begin() + q));
    SetCurvePoints(plot, kPeriodogramCurve, kCurveLine, Grid(q, 1, kPi / (q + 1)), project.cumulativePeriodogram);
  }
  ComputeLimits(plot);
  ui.Invalidate(plot.window);
  return true;
}

int CumulativeModeShown(const UnivariateProject& project) {
  const PlotWindow& plot = project.plots[kCumulativeSpectrumPlot];
  const bool periodogram = plot.curves[kPeriodogramCurve - 1].used;
  const bool model = plot.curves[kModelCurve - 1].used;
  if (periodogram && model) return kCumulativeBoth;
  if (periodogram) return kCumulativePeriodogram;
  return model ? kCumulativeModel : 0;
}

void RefreshSpectrumViews(platform::Platform& ui, UnivariateProject& project, bool dataChanged) {
  if (PlotOpen(ui, project, kSpectrumPlot)) {
    // The periodogram, its smoothing and the Fisher test depend on the data alone.
    if (dataChanged)
      ComputeSpectra(ui, project);
    else
      ComputeModelSpectrum(ui, project);
    DrawSpectrum(ui, project);
    WritePlotReport(ui, project, kSpectrumPlot);
  }
  if (PlotOpen(ui, project, kCumulativeSpectrumPlot)) {
    if (const int mode = CumulativeModeShown(project)) CumulativeSpectrum(ui, project, mode);
    WritePlotReport(ui, project, kCumulativeSpectrumPlot);
  }
}

}  // namespace kora
