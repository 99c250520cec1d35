// Painting a long series into an SVG picture: the cost of a repaint of the
// main data plot of a large project.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "plot/painter.h"
#include "plot/svg_surface.h"

namespace kora {
namespace {

void BM_PaintPlotSvg(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::vector<double> values(n);
  for (int i = 0; i < n; ++i) values[i] = std::sin(i * 0.001) * 100 + (i * 7919 % 101);
  PlotWindow plot;
  InitPlot(plot);
  SetCurve(plot, 1, values, 1, n);
  size_t bytes = 0;
  for (auto _ : state) {
    SvgSurface svg(800, 600);
    PaintPlot(plot, svg, WindowPaintRect(800, 600), 0, true);
    const std::string doc = svg.Document();
    bytes = doc.size();
    benchmark::DoNotOptimize(doc.data());
  }
  state.counters["svg_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PaintPlotSvg)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kora
