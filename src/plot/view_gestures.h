// The view of a plot window beyond the rubber rectangle: the zoom history
// that Zoom Out steps back through, zooming with the mouse wheel around the
// mouse position, and panning by dragging.
#pragma once

#include "plot/plot_window.h"

namespace kora {

// Keeps the present view as a step of the history before a gesture changes
// it. A run of wheel turns or one pan drag is a single step.
void RememberView(PlotWindow& plot, int gesture);
// Back to the view before the newest step; with no history, the automatic
// ranges. Returns whether a step was taken back.
bool ZoomBack(PlotWindow& plot);

// One wheel notch over panel p at client pixel x: the x range shrinks (in)
// or grows (out) by a fixed factor around the data value under the mouse,
// never beyond the automatic range.
void WheelZoom(PlotWindow& plot, int p, int x, bool zoomIn);

// A drag with no zoom mode set moves the view of the panel under the press.
struct PanDrag {
  bool active = false;
  int panel = 0;
  int x = 0, y = 0;       // client pixel of the press
  PanelRanges start;      // ranges at the press
  double xScale = 1, yScale = 1;  // data units per pixel at the press
};
PanDrag BeginPan(PlotWindow& plot, int p, int x, int y);
// The panel's ranges follow the mouse; returns whether they changed.
bool MovePan(PlotWindow& plot, const PanDrag& drag, int x, int y);

}  // namespace kora
