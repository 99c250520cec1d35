// ARMA(2,1) forecasts of 1000 steps from a series of 10^5 values that was
// Box-Cox transformed and differenced at lag 12: the likelihood pass in
// forecasting mode plus the inversions back to the data scale.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "forecast/arma_forecast.h"
#include "transform/transform_ops.h"

namespace kora {
namespace {

UnivariateProject SeasonalProject(int n) {
  std::mt19937_64 generator(12345);
  std::normal_distribution<double> noise(0.0, 1.0);
  std::vector<double> x(n);
  double e1 = 0.0, a1 = 0.0, a2 = 0.0;
  for (int t = 0; t < n; ++t) {
    const double e = noise(generator);
    const double a = 1.2 * a1 - 0.5 * a2 + e + 0.3 * e1;
    a2 = a1;
    a1 = a;
    e1 = e;
    x[t] = std::exp(5.0 + 0.02 * a + 0.1 * std::sin(2 * M_PI * t / 12.0));
  }
  UnivariateProject project;
  project.firstIndex = 1;
  project.lastIndex = n;
  project.series = x;
  project.untransformedSeries = std::move(x);
  PushBoxCox(project, 0.0);
  PushDifference(project, 12);
  project.model.arOrder = 2;
  project.model.phi[0] = 0.6;
  project.model.phi[1] = -0.2;
  project.model.maOrder = 1;
  project.model.theta[0] = 0.3;
  project.model.whiteNoiseVariance = 1e-4;
  project.forecastCount = 1000;
  project.forecastWnVariance = 1e-4;
  project.forecastInvertBoxCox = true;  // undoes the difference as well
  return project;
}

void BM_ArmaForecastUndone(benchmark::State& state) {
  const UnivariateProject base = SeasonalProject(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    UnivariateProject project = base;
    DataScaleForecast out;
    if (!ComputeArmaForecast(project, out)) state.SkipWithError("forecast failed");
    benchmark::DoNotOptimize(out.forecasts.data());
  }
}
BENCHMARK(BM_ArmaForecastUndone)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kora
