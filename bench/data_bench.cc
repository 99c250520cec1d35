// A series of a million values: importing it from text, its sample ACF/PACF
// with 40 lags, and saving and opening it as a project file.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "plot/plot_window.h"
#include "project/project_file.h"
#include "project/text_export.h"
#include "project/text_import.h"
#include "stats/sample_stats.h"
#include "transform/transform_ops.h"

namespace kora {
namespace {

constexpr int kMillion = 1000000;

std::vector<double> Series(int n) {
  std::vector<double> x(n);
  double state = 0;
  for (int i = 0; i < n; ++i) {
    state = 0.7 * state + std::sin(i * 0.37) + (i * 7919LL % 1013) / 1013.0;
    x[i] = 1000 + 50 * state;
  }
  return x;
}

std::string TempPath(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

void BM_ImportText(benchmark::State& state) {
  const std::string path = TempPath("kora_bench_series.txt");
  WriteRawData(path, Series(kMillion));
  for (auto _ : state) {
    RawDataResult result = ReadRawData(path);
    benchmark::DoNotOptimize(result.values.data());
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_ImportText)->Unit(benchmark::kMillisecond);

void BM_SampleAcfPacf40(benchmark::State& state) {
  const auto x = Series(kMillion);
  for (auto _ : state) {
    int lags = 40;
    AcfPacf result = SampleAcfPacf(x, lags);
    benchmark::DoNotOptimize(result.pacf.data());
  }
}
BENCHMARK(BM_SampleAcfPacf40)->Unit(benchmark::kMillisecond);

UnivariateProject BigProject() {
  UnivariateProject project;
  SetCurrentSeries(project, Series(kMillion), 1);
  PushDifference(project, 12);
  PushSubtractMean(project);
  return project;
}

void BM_SaveProject(benchmark::State& state) {
  const std::string path = TempPath("kora_bench_save.KRA");
  const UnivariateProject project = BigProject();
  for (auto _ : state) WriteProjectFile(path, project, Colours());
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

void BM_OpenProject(benchmark::State& state) {
  const std::string path = TempPath("kora_bench_open.KRA");
  WriteProjectFile(path, BigProject(), Colours());
  ColourTable colours = Colours();
  for (auto _ : state) {
    UnivariateProject project;
    ProjectReadResult result = ReadProjectFile(path, project, colours);
    benchmark::DoNotOptimize(result.status);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kora
