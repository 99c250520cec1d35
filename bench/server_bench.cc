// Round trips of a command through the real HTTP server, as the page makes
// them: one kept-alive connection posting events while a second one holds the
// event stream that receives every snapshot. Reports the median and the 99th
// percentile of 200 round trips of Sample ACF/PACF on series of 10^3 and 10^5 points.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <sstream>

#include "live_workbench.h"

namespace kora {
namespace {

using testing::HttpTestClient;

void BM_AcfRoundTripsThroughTheServer(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  testing::LiveWorkbench workbench;
  auto tab = workbench.Tab();
  auto stream = workbench.Tab();
  stream->Get("/api/events");
  std::atomic<bool> done = false;
  std::thread reader([&] {
    while (!done) stream->ReadUntil("\n\n", 100);
  });
  std::ostringstream values;
  for (int i = 0; i < n; ++i) values << 1000 + 100 * std::sin(0.1 * i) + (i * 7919LL % 211) << "\\r\\n";
  tab->Post(R"({"type": "command", "id": 40091})");
  tab->Post(R"({"type": "click", "control": 1})");
  tab->Post(R"({"type": "clipboard", "text": ")" + values.str() + R"("})");
  tab->Post(R"({"type": "command", "id": 40152})");
  const std::string acf = R"({"type": "command", "id": 40047})";
  if (tab->Post(acf).status != 200) state.SkipWithError("the command was refused");
  for (auto _ : state) {
    std::vector<double> ms;
    for (int i = 0; i < 200; ++i) {
      const auto start = std::chrono::steady_clock::now();
      tab->Post(acf);
      ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p99_ms"] = ms[ms.size() * 99 / 100 - 1];
  }
  done = true;
  reader.join();
}
BENCHMARK(BM_AcfRoundTripsThroughTheServer)->Arg(1000)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kora
