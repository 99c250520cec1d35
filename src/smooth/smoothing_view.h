// The three smoothing windows of a project: applying a smoother with the
// stored parameters, drawing data and smoothed curve, and the saved state
// that Cancel brings back.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

// Each smoother reads the imported series and stores its smoothed series and
// MSE. Exponential smoothing with alpha = -1 stores the chosen alpha.
void ApplyExponentialSmoothing(UnivariateProject& project);
void ApplyFourierSmoothing(UnivariateProject& project);
// Uses the stored (normalised) weights; none stored means theta(0) = 1.
void ApplyMovingAverageSmoothing(UnivariateProject& project);

// Opens the window of the plot slot ("Exponential Smoothing: ", "FFT
// Smoothing: " or "Moving Average Smoothing: " + project name) when needed.
void OpenSmoothingWindow(platform::Platform& ui, UnivariateProject& project, int plotSlot);
// Curve 1 the imported series, curve 2 the smoothed one, then the report.
void DrawSmoothing(platform::Platform& ui, UnivariateProject& project, int plotSlot);
std::string SmoothingReportText(const UnivariateProject& project, int plotSlot);

// Every smoothing parameter and result, as Cancel restores them.
struct SmoothingState {
  double exponentialAlpha, fftCutoff;
  int movingAverageOrder;
  std::vector<double> exponentialSmoothed, fftSmoothed, movingAverageSmoothed, movingAverageWeights;
  double exponentialMse, fftMse, movingAverageMse;
};
SmoothingState SaveSmoothing(const UnivariateProject& project);
void RestoreSmoothing(UnivariateProject& project, const SmoothingState& state);

}  // namespace kora
