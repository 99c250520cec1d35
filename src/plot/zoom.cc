#include "plot/zoom.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/text.h"
#include "report/number_format.h"

namespace kora {
namespace {

int ToPixel(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::clamp(std::round(v), double(INT_MIN), double(INT_MAX)));
}

std::string Significant5(double v) { return std::string(Trim(FormatSignificant(v, 5))); }

}  // namespace

double PixelToDataX(const PlotPanel& panel, int x) { return (double(x) - panel.xOrigin) * panel.xScale; }
double PixelToDataY(const PlotPanel& panel, int y) { return (double(panel.yOrigin) - y) * panel.yScale; }
int DataToPixelX(const PlotPanel& panel, double x) { return ToPixel(panel.xOrigin + x / panel.xScale); }
int DataToPixelY(const PlotPanel& panel, double y) { return ToPixel(panel.yOrigin - y / panel.yScale); }

int PanelUnderPoint(const PlotWindow& plot, int clientWidth, int clientHeight, int x, int y) {
  return PanelAtPoint(PanelsInUse(plot), clientWidth, clientHeight, x, y);
}

std::string MousePositionText(const PlotWindow& plot, int clientWidth, int clientHeight, int x, int y) {
  const int p = PanelUnderPoint(plot, clientWidth, clientHeight, x, y);
  const PlotPanel& panel = plot.panels[std::clamp(p, 1, kMaxPanels) - 1];
  return "( " + Significant5(PixelToDataX(panel, x)) + ", " + Significant5(PixelToDataY(panel, y)) + " )";
}

ZoomDrag BeginZoom(const PlotWindow& plot, int mode, int clientWidth, int clientHeight, int x, int y) {
  ZoomDrag drag;
  if (mode != kZoomRegion && mode != kZoomRange) return drag;
  const int p = PanelUnderPoint(plot, clientWidth, clientHeight, x, y);
  if (p < 1 || p > kMaxPanels) return drag;
  drag.active = true;
  drag.mode = mode;
  drag.panel = p;
  drag.x1 = drag.x2 = x;
  drag.y1 = drag.y2 = y;
  if (mode == kZoomRange) {
    const PlotPanel& panel = plot.panels[p - 1];
    drag.y1 = DataToPixelY(panel, panel.yMin) + 1;
    drag.y2 = DataToPixelY(panel, panel.yMax) - 1;
  }
  return drag;
}

void MoveZoom(ZoomDrag& drag, int x, int y) {
  if (!drag.active) return;
  drag.x2 = x;
  if (drag.mode == kZoomRegion) drag.y2 = y;
}

bool EndZoom(PlotWindow& plot, const ZoomDrag& drag) {
  if (!drag.active || drag.panel < 1 || drag.panel > kMaxPanels) return false;
  return ZoomPanel(plot.panels[drag.panel - 1], drag.mode, drag.x1, drag.y1, drag.x2, drag.y2);
}

bool ZoomPanel(PlotPanel& panel, int mode, int x1, int y1, int x2, int y2) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  if (x1 == x2 || y1 == y2) return false;
  panel.xMin = PixelToDataX(panel, x1);
  panel.xMax = PixelToDataX(panel, x2);
  if (mode == kZoomRegion) {
    panel.yMax = PixelToDataY(panel, y1);
    panel.yMin = PixelToDataY(panel, y2);
  }
  return true;
}

}  // namespace kora
