#include "multivariate/multivariate_transforms.h"

#include "multivariate/multivariate_project.h"
#include "report/number_format.h"

namespace kora {

namespace {

MultivariateTransformStep StepBefore(const MultivariateData& data, int kind) {
  MultivariateTransformStep step;
  step.kind = kind;
  step.before = data.values;
  step.firstTime = data.firstTime;
  step.lastTime = data.lastTime;
  return step;
}

}  // namespace

MultivariateTransformStep DifferenceSeries(MultivariateData& data, int lag) {
  MultivariateTransformStep step = StepBefore(data, kMvStepDifference);
  step.lag = lag;
  for (auto& series : data.values) {
    for (int t = 0; t + lag < data.n; ++t) series[t] = series[t + lag] - series[t];
    series.resize(data.n - lag);
  }
  data.n -= lag;
  data.firstTime += lag;
  return step;
}

MultivariateTransformStep SubtractMeans(MultivariateData& data) {
  MultivariateTransformStep step = StepBefore(data, kMvStepSubtractMeans);
  for (auto& series : data.values) {
    double sum = 0.0;
    for (double x : series) sum += x;
    const double mean = data.n > 0 ? sum / data.n : 0.0;
    for (double& x : series) x -= mean;
    step.means.push_back(mean);
  }
  return step;
}

MultivariateTransformStep TrimSeries(MultivariateData& data, int first, int last) {
  MultivariateTransformStep step = StepBefore(data, kMvStepTrim);
  const int from = first - data.firstTime, count = last - first + 1;
  for (auto& series : data.values)
    series = std::vector<double>(series.begin() + from, series.begin() + from + count);
  data.n = count;
  data.firstTime = first;
  data.lastTime = last;
  return step;
}

void UndoTransform(MultivariateData& data, const MultivariateTransformStep& step) {
  data.values = step.before;
  data.n = data.values.empty() ? 0 : static_cast<int>(data.values[0].size());
  data.firstTime = step.firstTime;
  data.lastTime = step.lastTime;
}

std::string MultivariateUndoText(const std::vector<MultivariateTransformStep>& steps) {
  if (steps.empty()) return "Undo";
  const MultivariateTransformStep& last = steps.back();
  switch (last.kind) {
    case kMvStepDifference:
      return "Undo Differencing (" + FormatInteger(last.lag) + ")";
    case kMvStepSubtractMeans:
      return "Undo Subtract Mean";
    default:
      return "Undo Trimming";
  }
}

}  // namespace kora
