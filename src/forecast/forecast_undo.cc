#include "forecast/forecast_undo.h"

#include <cmath>

#include "regression/regression_design.h"
#include "transform/transform_ops.h"

namespace kora {

namespace {

constexpr double kTwoPi = 6.28318530718;  // as the classical harmonics were fitted
constexpr double kLogLambda = 1e-7;

// The parameters gathered from the transformation list, newest step first;
// for a kind met more than once the oldest step's values are kept, except
// for differences, which are all kept (newest first).
struct CollectedSteps {
  const TransformStep* mean = nullptr;
  const TransformStep* classical = nullptr;
  const TransformStep* boxCox = nullptr;
  std::vector<const TransformStep*> differences;
};

CollectedSteps Collect(const UnivariateProject& project) {
  CollectedSteps steps;
  for (auto it = project.transforms.rbegin(); it != project.transforms.rend(); ++it) {
    switch (it->kind) {
      case kSubtractMean:
        steps.mean = &*it;
        break;
      case kClassicalSeasonal:
      case kClassicalHarmonic:
        steps.classical = &*it;
        break;
      case kBoxCox:
        steps.boxCox = &*it;
        break;
      case kDifference:
        steps.differences.push_back(&*it);
        break;
      default:
        break;
    }
  }
  return steps;
}

void AddRegression(const RegressionTrend& trend, std::vector<double>& y, std::vector<double>& f) {
  const int n = static_cast<int>(y.size());
  for (int t = 1; t <= n; ++t) y[t - 1] += TrendValue(trend, t, n);
  for (size_t h = 1; h <= f.size(); ++h) f[h - 1] += TrendValue(trend, n + static_cast<int>(h), n);
}

void Undifference(const TransformStep& step, std::vector<double>& y, std::vector<double>& f) {
  const int d = step.lag;
  const int n = static_cast<int>(y.size());
  const int grown = n + d;
  std::vector<double> z(grown, 0.0);
  for (int t = 1; t <= d; ++t) z[t - 1] = t <= static_cast<int>(step.savedHead.size()) ? step.savedHead[t - 1] : 0.0;
  for (int t = d + 1; t <= grown; ++t) z[t - 1] = y[t - d - 1] + z[t - d - 1];
  const int horizon = static_cast<int>(f.size());
  for (int h = 1; h <= horizon; ++h) f[h - 1] += h > d ? f[h - d - 1] : z[grown + h - d - 1];
  y = std::move(z);
}

// Seasonal or harmonic component plus the polynomial trend at time t of a
// series of length n.
double ClassicalValue(const TransformStep& step, int t, int n) {
  double value = 0.0;
  if (step.kind == kClassicalHarmonic) {
    const double w = kTwoPi / n;
    double sum = 0.0;
    for (int i = 0; i < step.harmonicCount && i < 4; ++i)
      sum += step.cosineCoefficients[i] * std::cos(step.fourierIndex[i] * t * w) +
             step.sineCoefficients[i] * std::sin(step.fourierIndex[i] * t * w);
    value += 2.0 / n * sum + step.harmonicExtra;
  } else if (step.period >= 1 && !step.seasonal.empty()) {
    value += step.seasonal[(t - 1) % step.period];
  }
  const auto& [a0, a1, a2] = step.trendCoefficients;
  return value + ((a2 * t + a1) * t + a0);
}

double InvertBoxCoxForecast(double value, double lambda) {
  if (lambda < kLogLambda) return std::exp(value);
  const double base = lambda * value + 1.0;
  return base <= 0.0 ? 0.0 : InverseBoxCox(value, lambda);
}

}  // namespace

ForecastUndoFlags AvailableInversions(const UnivariateProject& project) {
  const CollectedSteps steps = Collect(project);
  ForecastUndoFlags available;
  available.includeRegression = TrendPresent(project.trend);
  available.addMean = steps.mean != nullptr;
  available.undifference = !steps.differences.empty();
  available.addTrendSeasonal = steps.classical != nullptr;
  available.invertBoxCox = steps.boxCox != nullptr;
  return available;
}

ForecastUndoFlags ImpliedInversions(ForecastUndoFlags flags, const ForecastUndoFlags& available) {
  if (flags.invertBoxCox) {
    flags.addMean = flags.undifference = flags.addTrendSeasonal = flags.includeRegression = true;
  }
  if (flags.addTrendSeasonal || flags.undifference) flags.addMean = flags.includeRegression = true;
  flags.includeRegression = flags.includeRegression && available.includeRegression;
  flags.addMean = flags.addMean && available.addMean;
  flags.undifference = flags.undifference && available.undifference;
  flags.addTrendSeasonal = flags.addTrendSeasonal && available.addTrendSeasonal;
  flags.invertBoxCox = flags.invertBoxCox && available.invertBoxCox;
  return flags;
}

std::vector<int> UndoneDifferenceLags(const UnivariateProject& project, const ForecastUndoFlags& flags) {
  std::vector<int> lags;
  if (!flags.undifference) return lags;
  for (const TransformStep* step : Collect(project).differences) lags.push_back(step->lag);
  return lags;
}

DataScaleForecast UndoForecastTransforms(const UnivariateProject& project, const ForecastUndoFlags& flags,
                                         std::vector<double> forecasts, const std::vector<double>* halfWidths) {
  const CollectedSteps steps = Collect(project);
  std::vector<double> y = project.series;
  std::vector<double>& f = forecasts;
  if (flags.includeRegression && TrendPresent(project.trend)) AddRegression(project.trend, y, f);
  if (flags.addMean && steps.mean) {
    for (double& v : y) v += steps.mean->mean;
    for (double& v : f) v += steps.mean->mean;
  }
  if (flags.undifference)
    for (const TransformStep* step : steps.differences) Undifference(*step, y, f);
  if (flags.addTrendSeasonal && steps.classical) {
    const int n = static_cast<int>(y.size());
    for (int t = 1; t <= n; ++t) y[t - 1] += ClassicalValue(*steps.classical, t, n);
    for (size_t h = 1; h <= f.size(); ++h) f[h - 1] += ClassicalValue(*steps.classical, n + static_cast<int>(h), n);
  }
  DataScaleForecast out;
  if (halfWidths) {
    for (size_t h = 0; h < f.size(); ++h) {
      const double half = h < halfWidths->size() ? (*halfWidths)[h] : 0.0;
      out.lower.push_back(f[h] - half);
      out.upper.push_back(f[h] + half);
    }
  }
  if (flags.invertBoxCox && steps.boxCox) {
    const double lambda = steps.boxCox->lambda;
    for (double& v : y) v = InvertBoxCoxForecast(v, lambda);
    for (std::vector<double>* values : {&f, &out.lower, &out.upper})
      for (double& v : *values) v = InvertBoxCoxForecast(v, lambda);
  }
  out.lastIndex = project.lastIndex;
  out.firstIndex = project.lastIndex - static_cast<int>(y.size()) + 1;
  out.data = std::move(y);
  out.forecasts = std::move(forecasts);
  return out;
}

}  // namespace kora
