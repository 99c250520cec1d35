// Zoom arithmetic of a plot window: pixels to data and back with the scales of
// the last painting, the panel under the mouse, the rubber rectangle of the
// range and region gestures and the new ranges it gives.
#pragma once

#include <string>

#include "plot/plot_window.h"

namespace kora {

// The program-wide zoom mode.
enum ZoomMode : int { kZoomNone = 0, kZoomRegion = 1, kZoomRange = 2, kZoomOut = 3 };

double PixelToDataX(const PlotPanel& panel, int x);
double PixelToDataY(const PlotPanel& panel, int y);
int DataToPixelX(const PlotPanel& panel, double x);
int DataToPixelY(const PlotPanel& panel, double y);

// Panel number under a client point of a plot with the given client size.
int PanelUnderPoint(const PlotWindow& plot, int clientWidth, int clientHeight, int x, int y);

// "( x, y )" in the data coordinates of the panel under the point.
std::string MousePositionText(const PlotWindow& plot, int clientWidth, int clientHeight, int x, int y);

// A rubber rectangle between button down and button up.
struct ZoomDrag {
  bool active = false;
  int mode = kZoomNone;
  int panel = 0;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // start and current corner, client pixels
};

// Button down in zoom mode 1 or 2 starts a rectangle in the panel under the
// point; in range mode it spans the panel's whole y range. Other modes give an
// inactive drag.
ZoomDrag BeginZoom(const PlotWindow& plot, int mode, int clientWidth, int clientHeight, int x, int y);
// The mouse moved while dragging: the horizontal end follows, in region mode
// also the vertical end.
void MoveZoom(ZoomDrag& drag, int x, int y);
// Button up: the new ranges of the panel. A rectangle of zero width or height
// leaves them; returns whether they changed.
bool EndZoom(PlotWindow& plot, const ZoomDrag& drag);
// The ranges of one panel from a rectangle of pixel corners (any order).
bool ZoomPanel(PlotPanel& panel, int mode, int x1, int y1, int x2, int y2);

}  // namespace kora
