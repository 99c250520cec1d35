// Spectral estimates and FFT smoothing of long series, for an even length and
// for a prime one (999983), which no radix-2 transform helps.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "smooth/fourier_smooth.h"
#include "stats/daniell.h"
#include "stats/periodogram.h"

namespace {

std::vector<double> Series(int n) {
  std::vector<double> x(static_cast<size_t>(n));
  unsigned state = 12345;
  for (int t = 0; t < n; ++t) {
    state = state * 1103515245u + 12345u;
    x[t] = std::sin(0.01 * t) + static_cast<double>(state >> 8) / (1u << 24);
  }
  return x;
}

void BM_Periodogram(benchmark::State& state) {
  const std::vector<double> x = Series(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(kora::Periodogram(x));
}
BENCHMARK(BM_Periodogram)->Arg(1000000)->Arg(999983)->Unit(benchmark::kMillisecond);

// Three Daniell filters (orders 3, 5, 7: h = 15) on the periodogram.
void BM_SmoothedPeriodogram(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<double> x = Series(n);
  for (auto _ : state) {
    const std::vector<double> I = kora::Periodogram(x);
    benchmark::DoNotOptimize(kora::SmoothPeriodogram(I, kora::DaniellWeights({3, 5, 7}), n));
  }
}
BENCHMARK(BM_SmoothedPeriodogram)->Arg(1000000)->Arg(999983)->Unit(benchmark::kMillisecond);

// A filter wider than the periodogram: the smoothing runs through the transform.
void BM_SmoothedPeriodogramWide(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<double> I = kora::Periodogram(Series(n));
  const std::vector<double> W = kora::DaniellWeights({200000, 200000, 200000});
  for (auto _ : state) benchmark::DoNotOptimize(kora::SmoothPeriodogram(I, W, n));
}
BENCHMARK(BM_SmoothedPeriodogramWide)->Arg(1000000)->Arg(999983)->Unit(benchmark::kMillisecond);

void BM_FourierSmooth(benchmark::State& state) {
  const std::vector<double> x = Series(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(kora::FourierSmooth(x, 0.3));
}
BENCHMARK(BM_FourierSmooth)->Arg(1000000)->Arg(999983)->Unit(benchmark::kMillisecond);

}  // namespace
