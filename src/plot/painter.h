// Painting a plot onto a drawing surface: the layout of the panels, frames,
// axes with ticks and labels, titles and every kind of curve.
#pragma once

#include <string>
#include <vector>

#include "plot/plot_window.h"
#include "plot/surface.h"

namespace kora {

struct PlotLayout {
  int columns = 1, rows = 1;
  int a = 0;           // label height unit
  int b = 0;           // margin
  int leftMargin = 0;  // room for eight label characters left of a panel
  int panelWidth = 1, panelHeight = 1;
};

// Layout of c panels in a target of width x height pixels.
PlotLayout ComputePlotLayout(int width, int height, int c);
// Rectangle of the m-th painted panel (m from 1).
Rect PanelRect(const PlotLayout& layout, const Rect& target, int m);

// The rectangle a plot window paints into, for its client size.
Rect WindowPaintRect(int clientWidth, int clientHeight);

// Paints every used panel (onlyPanel 0) or panel onlyPanel (1..10) into rect.
// With computeScales the panels' xScale, yScale, xOrigin, yOrigin are stored
// for the mouse operations. Nothing is painted for an empty rectangle, for
// onlyPanel outside 0..10 or when no curve is used.
void PaintPlot(PlotWindow& plot, Surface& surface, const Rect& rect, int onlyPanel, bool computeScales);
void PaintPlot(const PlotWindow& plot, Surface& surface, const Rect& rect, int onlyPanel);
// Only the scales PaintPlot(plot, surface, rect, onlyPanel, true) stores, without drawing.
void ComputePlotScales(PlotWindow& plot, const Rect& rect, int onlyPanel);

// The whole plot as an SVG document of the given size (scales untouched).
std::string PlotSvg(const PlotWindow& plot, int width, int height);

// A polyline with many points per pixel column reduced to the first, lowest,
// highest and last point of every run of points in one column: the same
// picture with at most four points a column.
std::vector<PointD> ReducePolyline(const std::vector<PointD>& points);

}  // namespace kora
