#include "smooth/smoothing_view.h"

#include "project/project_views.h"
#include "smooth/exponential_smooth.h"
#include "smooth/fourier_smooth.h"
#include "smooth/moving_average_smooth.h"
#include "smooth/smooth_reports.h"

namespace kora {

namespace {

double MeanSquaredDifference(const std::vector<double>& x, const std::vector<double>& m) {
  if (x.empty() || m.size() != x.size()) return 0.0;
  double sum = 0.0;
  for (size_t t = 0; t < x.size(); ++t) sum += (x[t] - m[t]) * (x[t] - m[t]);
  return sum / static_cast<double>(x.size());
}

const std::vector<double>& Smoothed(const UnivariateProject& project, int plotSlot) {
  switch (plotSlot) {
    case kExponentialSmoothingPlot:
      return project.exponentialSmoothed;
    case kFftSmoothingPlot:
      return project.fftSmoothed;
    default:
      return project.movingAverageSmoothed;
  }
}

std::string TitlePrefix(int plotSlot) {
  switch (plotSlot) {
    case kExponentialSmoothingPlot:
      return "Exponential Smoothing: ";
    case kFftSmoothingPlot:
      return "FFT Smoothing: ";
    default:
      return "Moving Average Smoothing: ";
  }
}

}  // namespace

void ApplyExponentialSmoothing(UnivariateProject& project) {
  ExponentialResult result = ExponentialSmooth(project.untransformedSeries, project.exponentialAlpha);
  project.exponentialAlpha = result.alpha;
  project.exponentialSmoothed = std::move(result.smoothed);
  project.exponentialMse = MeanSquaredDifference(project.untransformedSeries, project.exponentialSmoothed);
}

void ApplyFourierSmoothing(UnivariateProject& project) {
  project.fftSmoothed = FourierSmooth(project.untransformedSeries, project.fftCutoff);
  project.fftMse = MeanSquaredDifference(project.untransformedSeries, project.fftSmoothed);
}

void ApplyMovingAverageSmoothing(UnivariateProject& project) {
  if (project.movingAverageWeights.empty()) project.movingAverageWeights = {1.0};
  project.movingAverageSmoothed = MovingAverageSmooth(project.untransformedSeries, project.movingAverageWeights);
  project.movingAverageMse = MeanSquaredDifference(project.untransformedSeries, project.movingAverageSmoothed);
}

void OpenSmoothingWindow(platform::Platform& ui, UnivariateProject& project, int plotSlot) {
  OpenPlot(ui, project, plotSlot, TitlePrefix(plotSlot) + ProjectName(ui, project));
}

void DrawSmoothing(platform::Platform& ui, UnivariateProject& project, int plotSlot) {
  PlotWindow& plot = project.plots[plotSlot];
  if (!ui.Exists(plot.window)) return;
  ClearPlotData(plot);
  const int n = static_cast<int>(project.untransformedSeries.size());
  SetCurve(plot, 1, project.untransformedSeries, 1, n);
  SetCurve(plot, 2, Smoothed(project, plotSlot), 1, n);
  ui.Invalidate(plot.window);
  WritePlotReport(ui, project, plotSlot);
}

std::string SmoothingReportText(const UnivariateProject& project, int plotSlot) {
  switch (plotSlot) {
    case kExponentialSmoothingPlot:
      return ExpSmoothReport(project.exponentialAlpha, project.exponentialMse);
    case kFftSmoothingPlot:
      return FourierSmoothReport(project.fftCutoff, project.fftMse);
    default:
      return MaSmoothReport(project.movingAverageMse);
  }
}

SmoothingState SaveSmoothing(const UnivariateProject& p) {
  return {p.exponentialAlpha,      p.fftCutoff,   p.movingAverageOrder,    p.exponentialSmoothed,
          p.fftSmoothed,           p.movingAverageSmoothed, p.movingAverageWeights, p.exponentialMse,
          p.fftMse,                p.movingAverageMse};
}

void RestoreSmoothing(UnivariateProject& p, const SmoothingState& s) {
  p.exponentialAlpha = s.exponentialAlpha;
  p.fftCutoff = s.fftCutoff;
  p.movingAverageOrder = s.movingAverageOrder;
  p.exponentialSmoothed = s.exponentialSmoothed;
  p.fftSmoothed = s.fftSmoothed;
  p.movingAverageSmoothed = s.movingAverageSmoothed;
  p.movingAverageWeights = s.movingAverageWeights;
  p.exponentialMse = s.exponentialMse;
  p.fftMse = s.fftMse;
  p.movingAverageMse = s.movingAverageMse;
}

}  // namespace kora
