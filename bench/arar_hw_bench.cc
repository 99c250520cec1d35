// ARAR with each subset method, and the seasonal Holt-Winters coefficient
// search, on 10^5 values.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "forecast/arar.h"
#include "forecast/holt_winters.h"

namespace kora {
namespace {

constexpr int kLength = 100000;

// A seasonal random walk with noise: trend, period 12, AR-like wiggles.
std::vector<double> Series() {
  std::mt19937 engine(17);
  std::normal_distribution<double> normal(0.0, 1.0);
  std::vector<double> y(kLength);
  double level = 0.0, wiggle = 0.0;
  for (int t = 0; t < kLength; ++t) {
    level += 0.01 + 0.1 * normal(engine);
    wiggle = 0.6 * wiggle + normal(engine);
    y[t] = level + 5.0 * std::sin(6.283185307179586 * t / 12.0) + wiggle;
  }
  return y;
}

void BM_Arar(benchmark::State& state) {
  const std::vector<double> y = Series();
  for (auto _ : state) {
    ArarSettings settings;
    settings.ararMethod = static_cast<int>(state.range(0));
    settings.ararFirst = 1;
    settings.ararLast = kLength;
    ArarRun(settings, y, 20);
    benchmark::DoNotOptimize(settings.ararForecast.data());
  }
}
BENCHMARK(BM_Arar)
    ->Arg(kArarMinVariance13)
    ->Arg(kArarMinVariance26)
    ->Arg(kArarMaxLikelihood13)
    ->Unit(benchmark::kMillisecond);

void BM_SeasonalHoltWintersSearch(benchmark::State& state) {
  const std::vector<double> y = Series();
  for (auto _ : state) {
    HoltWintersSettings settings;
    settings.hwPeriod = 12;
    settings.hwOptimize = true;
    settings.hwFirst = 1;
    settings.hwLast = kLength;
    HoltWintersRun(settings, y, 24);
    benchmark::DoNotOptimize(settings.hwForecast.data());
  }
}
BENCHMARK(BM_SeasonalHoltWintersSearch)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kora
