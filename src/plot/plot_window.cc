#include "plot/plot_window.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kora {
namespace {

bool ValidCurve(int j) { return j >= 1 && j <= kMaxCurves; }
bool ValidPanel(int k) { return k >= 1 && k <= kMaxPanels; }

// Lowest and highest finite value; 0..0 when there is none.
void Extent(const std::vector<double>& values, double& low, double& high) {
  bool any = false;
  low = high = 0;
  for (double v : values) {
    if (!std::isfinite(v)) continue;
    if (!any || v < low) low = v;
    if (!any || v > high) high = v;
    any = true;
  }
}

void ResetPanels(PlotWindow& plot) {
  plot.panels.fill(PlotPanel{});
  plot.panels[0].used = true;
}

}  // namespace

void InitPlot(PlotWindow& plot) {
  plot.window = 0;
  plot.infoWindow = 0;
  plot.ownerSlot = 0;
  plot.curves.fill(PlotCurve{});
  plot.xAxisTitle.clear();
  plot.yAxisTitle.clear();
  plot.curveNames.fill(std::string());
  ResetPanels(plot);
  plot.zoomHistory.clear();
  plot.lastGesture = kGestureNone;
}

void ClearPlotData(PlotWindow& plot) {
  plot.curves.fill(PlotCurve{});
  ResetPanels(plot);
}

void SetCurve(PlotWindow& plot, int j, const std::vector<double>& values, int first, int last) {
  if (!ValidCurve(j)) return;
  PlotCurve& curve = plot.curves[j - 1];
  const std::int64_t count = static_cast<std::int64_t>(last) - first + 1;
  if (count <= 0 || static_cast<std::int64_t>(values.size()) < count) {
    curve.used = false;
    ComputeLimits(plot);
    return;
  }
  curve.curveKind = kCurveLine;
  curve.xValues.resize(static_cast<size_t>(count));
  for (std::int64_t i = 0; i < count; ++i) curve.xValues[i] = static_cast<double>(first + i);
  curve.yValues.assign(values.begin(), values.begin() + count);
  curve.xLow = first;
  curve.xHigh = last;
  Extent(curve.yValues, curve.yLow, curve.yHigh);
  curve.used = true;
  if (ValidPanel(curve.panel)) plot.panels[curve.panel - 1].used = true;
  ComputeLimits(plot);
}

void SetCurvePoints(PlotWindow& plot, int j, int kind, const std::vector<double>& x,
                    const std::vector<double>& y) {
  if (!ValidCurve(j)) return;
  PlotCurve& curve = plot.curves[j - 1];
  // Bars carry one more x value (the bin edges) than y values.
  const size_t wantedX = kind == kCurveBars ? y.size() + 1 : y.size();
  const bool valid =
      kind >= kCurveLine && kind <= kCurveNoData && (kind == kCurveNoData || x.size() == wantedX);
  if (!valid) {
    curve.used = false;
    ComputeLimits(plot);
    return;
  }
  curve.curveKind = kind;
  curve.xValues = kind == kCurveNoData ? std::vector<double>{} : x;
  curve.yValues = kind == kCurveNoData ? std::vector<double>{} : y;
  Extent(curve.xValues, curve.xLow, curve.xHigh);
  Extent(curve.yValues, curve.yLow, curve.yHigh);
  curve.used = true;
  if (ValidPanel(curve.panel)) plot.panels[curve.panel - 1].used = true;
  ComputeLimits(plot);
}

void SetCurveBand(PlotWindow& plot, int j, const std::vector<double>& x, const std::vector<double>& lower,
                  const std::vector<double>& upper) {
  if (!ValidCurve(j)) return;
  PlotCurve& curve = plot.curves[j - 1];
  if (x.empty() || lower.size() != x.size() || upper.size() != x.size()) {
    curve.used = false;
    ComputeLimits(plot);
    return;
  }
  curve.curveKind = kCurveBand;
  curve.xValues = x;
  curve.yValues = lower;
  curve.yUpper = upper;
  Extent(curve.xValues, curve.xLow, curve.xHigh);
  double low = 0, high = 0;
  Extent(lower, curve.yLow, high);
  Extent(upper, low, curve.yHigh);
  curve.used = true;
  if (ValidPanel(curve.panel)) plot.panels[curve.panel - 1].used = true;
  ComputeLimits(plot);
}

void SetCurvePanel(PlotWindow& plot, int j, int panel) {
  if (!ValidCurve(j) || !ValidPanel(panel)) return;
  plot.curves[j - 1].panel = panel;
  plot.panels[panel - 1].used = true;
  ComputeLimits(plot);
}

void SetPanelTitle(PlotWindow& plot, int k, const std::string& text) {
  if (!ValidPanel(k)) return;
  plot.panels[k - 1].hasTitle = true;
  plot.panels[k - 1].title = text.substr(0, 128);
}

void SetCurveStyle(PlotWindow& plot, int j, int a, int b, int c) {
  if (!ValidCurve(j)) return;
  auto& style = plot.curves[j - 1].style;
  const int values[3] = {a, b, c};
  for (int i = 0; i < 3; ++i)
    if (values[i] != -1) style[i] = values[i];
}

bool PanelHasCurve(const PlotWindow& plot, int k) {
  if (!ValidPanel(k)) return false;
  for (const auto& curve : plot.curves)
    if (curve.used && curve.panel == k) return true;
  return false;
}

PanelRanges AutomaticRanges(const PlotWindow& plot, int k) {
  // The widening factors are single-precision constants widened to double.
  const double xFactor = static_cast<double>(0.025f);
  const double yFactor = static_cast<double>(0.1f);
  PanelRanges r;
  bool found = false;
  for (const auto& c : plot.curves) {
    if (!c.used || c.panel != k) continue;
    if (!found) {
      r = {c.xLow, c.xHigh, c.yLow, c.yHigh};
      found = true;
    } else {
      r.xMin = std::min(r.xMin, c.xLow);
      r.xMax = std::max(r.xMax, c.xHigh);
      r.yMin = std::min(r.yMin, c.yLow);
      r.yMax = std::max(r.yMax, c.yHigh);
    }
  }
  if (!found) r = {-1, 1, -1, 1};
  if (r.xMin == r.xMax) r.xMin -= 1, r.xMax += 1;
  if (r.yMin == r.yMax) r.yMin -= 1, r.yMax += 1;
  const double dx = xFactor * (r.xMax - r.xMin);
  const double dy = yFactor * (r.yMax - r.yMin);
  return {r.xMin - dx, r.xMax + dx, r.yMin - dy, r.yMax + dy};
}

void ComputeLimits(PlotWindow& plot) {
  for (int k = 1; k <= kMaxPanels; ++k) {
    PlotPanel& panel = plot.panels[k - 1];
    if (!panel.used && !PanelHasCurve(plot, k)) continue;
    const PanelRanges r = AutomaticRanges(plot, k);
    panel.xMin = r.xMin, panel.xMax = r.xMax, panel.yMin = r.yMin, panel.yMax = r.yMax;
  }
  plot.zoomHistory.clear();
  plot.lastGesture = kGestureNone;
}

int PanelsInUse(const PlotWindow& plot) {
  int count = 0;
  for (int k = 1; k <= kMaxPanels; ++k) count += PanelHasCurve(plot, k) ? 1 : 0;
  return count;
}

int PanelAtPoint(int c, int width, int height, int x, int y) {
  if (c <= 0 || width <= 0 || height <= 0) return 1;
  const int columns = std::min(c, 2);
  const int rows = (c + 1) / 2;
  const int column =
      std::clamp(static_cast<int>(static_cast<std::int64_t>(columns) * x / width) + 1, 1, columns);
  const int row = std::clamp(static_cast<int>(static_cast<std::int64_t>(rows) * y / height) + 1, 1, rows);
  return column + 2 * (row - 1);
}

ColourTable DefaultColours() {
  return {Rgb(0, 160, 128),   Rgb(220, 35, 63),  Rgb(0, 160, 128),  Rgb(220, 35, 63), Rgb(146, 42, 130),
          Rgb(110, 174, 64),  Rgb(146, 42, 130), Rgb(110, 174, 64), Rgb(0, 0, 0),     Rgb(255, 255, 255),
          Rgb(255, 255, 255), Rgb(0, 0, 15),     Rgb(0, 0, 128),    Rgb(0, 0, 0),     Rgb(240, 0, 160)};
}

bool& BandsShown() {
  static bool shown = true;
  return shown;
}

ColourTable& Colours() {
  static ColourTable table = DefaultColours();
  return table;
}

}  // namespace kora
