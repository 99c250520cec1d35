// The transformations of a multivariate project, each with what its undo needs.
#pragma once

#include <string>
#include <vector>

namespace kora {

struct MultivariateData;

enum MultivariateTransformKind : int { kMvStepDifference = 1, kMvStepSubtractMeans = 16, kMvStepTrim = 32 };

// Undo restores the values held before the step, so that undoing gives the
// former values bit for bit (rebuilding a difference by summation, or adding
// a mean back, is exact only up to rounding).
struct MultivariateTransformStep {
  int kind = kMvStepDifference;
  int lag = 0;                              // difference
  std::vector<double> means;                // subtract means
  std::vector<std::vector<double>> before;  // the series before the step
  int firstTime = 0, lastTime = 0;          // the time indices before the step
};

// X'(t) = X(t+d) - X(t), t = 1..n-d, in every series; needs 0 < d < n - 1.
MultivariateTransformStep DifferenceSeries(MultivariateData& data, int lag);
MultivariateTransformStep SubtractMeans(MultivariateData& data);
// Keeps the rows of time indices first..last (firstTime <= first < last <= lastTime).
MultivariateTransformStep TrimSeries(MultivariateData& data, int first, int last);
// Undoes the step on the data it was applied to last.
void UndoTransform(MultivariateData& data, const MultivariateTransformStep& step);

// "Undo", or the text naming the most recent step (the last of steps).
std::string MultivariateUndoText(const std::vector<MultivariateTransformStep>& steps);

}  // namespace kora
