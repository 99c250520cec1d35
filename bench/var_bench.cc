// Vector autoregressions on m = 5 series of n = 10^5 values: the order
// search 0..20 by Yule-Walker (Whittle's recursion) and by Burg, and 1000
// forecast steps of the chosen model.
#include <benchmark/benchmark.h>

#include <random>

#include "multivariate/var_estimation.h"
#include "multivariate/var_forecast.h"

namespace kora {
namespace {

constexpr int kSeries = 5;
constexpr int kLength = 100000;

// A stable VAR(2) with cross-dependences, from a fixed seed.
const std::vector<std::vector<double>>& Series() {
  static const std::vector<std::vector<double>> x = [] {
    std::mt19937_64 generator(2024);
    std::normal_distribution<double> noise(0.0, 1.0);
    std::vector<std::vector<double>> s(kSeries, std::vector<double>(kLength, 0.0));
    for (int t = 2; t < kLength; ++t)
      for (int i = 0; i < kSeries; ++i)
        s[i][t] = 0.4 * s[i][t - 1] - 0.2 * s[i][t - 2] + 0.1 * s[(i + 1) % kSeries][t - 1] +
                  noise(generator) + 3.0;
    return s;
  }();
  return x;
}

void OrderSearch(benchmark::State& state, VarEstimator estimator) {
  const MeanCorrectedData data = MeanCorrect(Series());
  for (auto _ : state) {
    std::optional<VarFit> fit = FitVar(estimator, data, 0, true);
    benchmark::DoNotOptimize(fit);
  }
}

void BM_VarYuleWalkerSearch(benchmark::State& state) { OrderSearch(state, VarEstimator::kYuleWalker); }
void BM_VarBurgSearch(benchmark::State& state) { OrderSearch(state, VarEstimator::kBurg); }
BENCHMARK(BM_VarYuleWalkerSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VarBurgSearch)->Unit(benchmark::kMillisecond);

void BM_VarForecast1000(benchmark::State& state) {
  const MeanCorrectedData data = MeanCorrect(Series());
  const VarFit fit = *FitVar(VarEstimator::kYuleWalker, data, 0, true);
  const std::vector<double> phi0 = VarConstant(fit.phi, data.mu);
  for (auto _ : state) {
    auto forecast = VarForecast(Series(), kLength, 1000, fit.phi, phi0);
    benchmark::DoNotOptimize(forecast);
  }
}
BENCHMARK(BM_VarForecast1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kora
