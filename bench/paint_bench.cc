// Painting a long series into an SVG picture: the cost of a repaint of the
// main data plot of a large project, whole or zoomed.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "plot/painter.h"
#include "plot/svg_surface.h"
#include "plot/view_gestures.h"

namespace kora {
namespace {

// A plot of n values with a slow wave and fast noise.
PlotWindow LongPlot(int n) {
  std::vector<double> values(n);
  for (int i = 0; i < n; ++i) values[i] = std::sin(i * 0.001) * 100 + (i * 7919 % 101);
  PlotWindow plot;
  InitPlot(plot);
  SetCurve(plot, 1, values, 1, n);
  return plot;
}

// The window's repaint at 800 x 600; returns the size of the picture.
size_t Repaint(PlotWindow& plot) {
  SvgSurface svg(800, 600);
  PaintPlot(plot, svg, WindowPaintRect(800, 600), 0, true);
  const std::string doc = svg.Document();
  benchmark::DoNotOptimize(doc.data());
  return doc.size();
}

void BM_PaintPlotSvg(benchmark::State& state) {
  PlotWindow plot = LongPlot(static_cast<int>(state.range(0)));
  size_t bytes = 0;
  for (auto _ : state) bytes = Repaint(plot);
  state.counters["svg_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PaintPlotSvg)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A deep zoom into 10^5 points: one wheel notch on a view of the given
// number of points, then the repaint the page shows.
void BM_WheelZoomRepaint(benchmark::State& state) {
  constexpr int n = 100000;
  PlotWindow plot = LongPlot(n);
  const double visible = static_cast<double>(state.range(0));
  size_t bytes = 0;
  for (auto _ : state) {
    plot.panels[0].xMin = n / 2.0;
    plot.panels[0].xMax = n / 2.0 + visible;
    ComputePlotScales(plot, WindowPaintRect(800, 600), 0);
    WheelZoom(plot, 1, 400, true);
    bytes = Repaint(plot);
  }
  state.counters["svg_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WheelZoomRepaint)->Arg(100000)->Arg(20000)->Arg(2000)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kora
