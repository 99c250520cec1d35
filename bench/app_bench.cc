// End-to-end costs of the workbench on the engine side: a command on a
// project of nile's size with the desktop snapshot the page receives, and the
// repaint of a plot window holding 10^5 points.
#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>

#include "app/application.h"
#include "app/command_ids.h"
#include "app/snapshot.h"
#include "platform/event_queue.h"
#include "project/project_views.h"

namespace kora {
namespace {

struct Workbench {
  platform::EventQueue events;
  platform::PlatformObserver quiet;
  Platform ui{events, quiet};
  Application app{ui};
  SnapshotSerials serials;

  explicit Workbench(int n) {
    platform::UserEvent e;
    e.type = platform::EventType::Command;
    e.number = cmd::kNewProject;
    events.Push(e);
    e.type = platform::EventType::Click;
    e.control.id = 1;
    events.Push(e);
    events.Close();
    ui.Run();
    std::vector<double> values(n);
    for (int i = 0; i < n; ++i) values[i] = 1000 + 100 * std::sin(0.1 * i) + (i * 7919LL % 211);
    SetData(ui, *app.CurrentUnivariate(), values);
    ShowPlotInfo(ui, *app.CurrentUnivariate(), kMainPlot);
    app.UpdateFrame();
  }
};

void BM_SampleAcfCommandWithSnapshot(benchmark::State& state) {
  Workbench bench(100);
  uint64_t seq = 0;
  for (auto _ : state) {
    bench.app.Dispatch(cmd::kSampleAcf);
    std::string snapshot = BuildSnapshot(bench.app, bench.serials, ++seq);
    benchmark::DoNotOptimize(snapshot.data());
  }
}
BENCHMARK(BM_SampleAcfCommandWithSnapshot)->Unit(benchmark::kMillisecond);

void BM_SnapshotWithLongSeries(benchmark::State& state) {
  Workbench bench(100000);
  uint64_t seq = 0;
  for (auto _ : state) {
    bench.ui.Invalidate(bench.app.CurrentUnivariate()->plots[kMainPlot].window);
    std::string snapshot = BuildSnapshot(bench.app, bench.serials, ++seq);
    benchmark::DoNotOptimize(snapshot.data());
  }
}
BENCHMARK(BM_SnapshotWithLongSeries)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kora
