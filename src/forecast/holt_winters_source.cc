#include "forecast/holt_winters_source.h"

#include "forecast/forecast_undo.h"

namespace kora {

int DifferencedLags(const UnivariateProject& project) {
  int total = 0;
  for (const TransformStep& step : project.transforms)
    if (step.kind == kDifference) total += step.lag;
  return total;
}

std::vector<double> RebuildOriginalSeries(const UnivariateProject& project) {
  ForecastUndoFlags every = AvailableInversions(project);
  every.includeRegression = false;
  return UndoForecastTransforms(project, every, {}).data;
}

}  // namespace kora
