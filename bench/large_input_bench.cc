// Large input: Open of a text file of ten million values with the data
// summary of its main report (goal: under 3 s, peak memory under 4 times the
// 80 MB of values), and the largest lag count the lag dialog takes on long
// series (goal: under 2 s).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "project/data_file.h"
#include "stats/acf_view.h"
#include "stats/sample_stats.h"

namespace kora {
namespace {

constexpr int kTenMillion = 10000000;

double Value(int i) { return 1000 + 50 * std::sin(i * 0.37) + (i * 7919LL % 1013) / 1013.0; }

// Written line by line, so that making it leaves no large allocation behind.
std::string SeriesFile(int n) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("kora_bench_" + std::to_string(n) + ".txt")).string();
  if (std::filesystem::exists(path)) return path;
  std::FILE* out = std::fopen(path.c_str(), "w");
  for (int i = 0; i < n; ++i) std::fprintf(out, "%.10g\n", Value(i));
  std::fclose(out);
  return path;
}

// Resident memory now, and the most the process ever had, in bytes.
double ResidentBytes() {
  long pages = 0, resident = 0;
  if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return static_cast<double>(resident) * 4096;
}
double PeakResidentBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) * 1024;
}

void BM_OpenAndSummary10M(benchmark::State& state) {
  const std::string path = SeriesFile(kTenMillion);
  const double before = ResidentBytes();
  for (auto _ : state) {
    DataFile file = ReadDataFile(path);
    // Open keeps the series and its untransformed copy.
    std::vector<double> series = *file.values;
    const SampleSummary summary = Summarize(series);
    benchmark::DoNotOptimize(summary.standardError);
  }
  state.counters["peak_over_data"] = (PeakResidentBytes() - before) / (8.0 * kTenMillion);
}
BENCHMARK(BM_OpenAndSummary10M)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Summary10M(benchmark::State& state) {
  std::vector<double> x(kTenMillion);
  for (int i = 0; i < kTenMillion; ++i) x[i] = Value(i);
  for (auto _ : state) benchmark::DoNotOptimize(Summarize(x).standardError);
}
BENCHMARK(BM_Summary10M)->Unit(benchmark::kMillisecond);

void BM_LargestLagCount(benchmark::State& state) {
  std::vector<double> x(state.range(0));
  for (size_t i = 0; i < x.size(); ++i) x[i] = Value(static_cast<int>(i));
  for (auto _ : state) {
    int lags = kMaxAcfLags;
    benchmark::DoNotOptimize(SampleAcfPacf(x, lags).pacf.data());
  }
}
BENCHMARK(BM_LargestLagCount)->Arg(20000)->Arg(1000000)->Arg(kTenMillion)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kora
