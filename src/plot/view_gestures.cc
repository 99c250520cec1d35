#include "plot/view_gestures.h"

#include <algorithm>
#include <cmath>

#include "plot/zoom.h"

namespace kora {
namespace {

constexpr double kWheelFactor = 0.8;  // part of the x range kept by one notch inwards
constexpr size_t kHistoryLimit = 100;

PlotView CurrentView(const PlotWindow& plot) {
  PlotView view;
  for (int k = 0; k < kMaxPanels; ++k) {
    const PlotPanel& p = plot.panels[k];
    view[k] = {p.xMin, p.xMax, p.yMin, p.yMax};
  }
  return view;
}

bool ValidPanel(int p) { return p >= 1 && p <= kMaxPanels; }

}  // namespace

void RememberView(PlotWindow& plot, int gesture) {
  const bool continues = gesture == plot.lastGesture && (gesture == kGestureWheel || gesture == kGesturePan);
  plot.lastGesture = gesture;
  if (continues) return;
  if (plot.zoomHistory.size() >= kHistoryLimit) plot.zoomHistory.erase(plot.zoomHistory.begin());
  plot.zoomHistory.push_back(CurrentView(plot));
}

bool ZoomBack(PlotWindow& plot) {
  if (plot.zoomHistory.empty()) {
    ComputeLimits(plot);
    return false;
  }
  const PlotView view = plot.zoomHistory.back();
  plot.zoomHistory.pop_back();
  for (int k = 0; k < kMaxPanels; ++k) {
    PlotPanel& p = plot.panels[k];
    p.xMin = view[k].xMin, p.xMax = view[k].xMax, p.yMin = view[k].yMin, p.yMax = view[k].yMax;
  }
  plot.lastGesture = kGestureNone;
  return true;
}

void WheelZoom(PlotWindow& plot, int p, int x, bool zoomIn) {
  if (!ValidPanel(p)) return;
  PlotPanel& panel = plot.panels[p - 1];
  const PanelRanges full = AutomaticRanges(plot, p);
  const double width = panel.xMax - panel.xMin;
  if (!(width > 0) || !std::isfinite(width)) return;
  const double factor = zoomIn ? kWheelFactor : 1 / kWheelFactor;
  const double fullWidth = full.xMax - full.xMin;
  const double newWidth = std::min(width * factor, fullWidth);
  // A range narrower than this cannot be told apart from its neighbours.
  if (!(newWidth > std::max(std::fabs(panel.xMin), std::fabs(panel.xMax)) * 1e-12)) return;
  const double at = std::clamp(PixelToDataX(panel, x), panel.xMin, panel.xMax);
  const double share = (at - panel.xMin) / width;  // the data under the mouse stays under it
  double lo = at - share * newWidth;
  // Zooming out never leaves the data behind.
  if (!zoomIn) lo = std::clamp(lo, full.xMin, full.xMax - newWidth);
  RememberView(plot, kGestureWheel);
  panel.xMin = lo;
  panel.xMax = lo + newWidth;
}

PanDrag BeginPan(PlotWindow& plot, int p, int x, int y) {
  PanDrag drag;
  if (!ValidPanel(p) || !PanelHasCurve(plot, p)) return drag;
  const PlotPanel& panel = plot.panels[p - 1];
  drag.active = true;
  drag.panel = p;
  drag.x = x;
  drag.y = y;
  drag.start = {panel.xMin, panel.xMax, panel.yMin, panel.yMax};
  drag.xScale = panel.xScale;
  drag.yScale = panel.yScale;
  plot.lastGesture = kGestureNone;  // a new drag is a new history step
  return drag;
}

bool MovePan(PlotWindow& plot, const PanDrag& drag, int x, int y) {
  if (!drag.active || !ValidPanel(drag.panel) || (x == drag.x && y == drag.y)) return false;
  RememberView(plot, kGesturePan);
  PlotPanel& panel = plot.panels[drag.panel - 1];
  const double dx = (x - drag.x) * drag.xScale, dy = (y - drag.y) * drag.yScale;
  panel.xMin = drag.start.xMin - dx;
  panel.xMax = drag.start.xMax - dx;
  panel.yMin = drag.start.yMin + dy;
  panel.yMax = drag.start.yMax + dy;
  return true;
}

}  // namespace kora
