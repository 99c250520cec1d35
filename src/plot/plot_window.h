// The record behind every plot window: panels with their axis ranges, the
// curves drawn in them, the report window that belongs to the plot, and the
// arithmetic of automatic limits and zooming.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/user_event.h"

namespace kora {

using platform::WindowId;

inline constexpr int kMaxPanels = 10;
inline constexpr int kMaxCurves = 10;

enum CurveKind : int {
  kCurveLine = 1,
  kCurveLineAlt = 2,
  kCurveStems = 3,
  kCurveBars = 4,
  kCurveNoData = 5,
  kCurveBand = 6,  // a shaded band from yValues (lower ends) to yUpper
};

struct PlotPanel {
  bool used = false;
  double xMax = 0, xMin = 0, yMax = 0, yMin = 0;
  double xScale = 1.0, yScale = 1.0;  // data units per pixel of the last painting
  int xOrigin = 0, yOrigin = 0;       // pixel of data value 0 in the last painting
  bool hasTitle = false;
  std::string title;
};

struct PlotCurve {
  int curveKind = kCurveNoData;
  std::array<int, 3> style{0, 0, 1};  // pen style, marker fill, markers on
  double xLow = 0, xHigh = 0, yLow = 0, yHigh = 0;
  std::vector<double> xValues, yValues;
  double boundCount = 0;  // n of the +-1.96/sqrt(n) bounds of stem curves; 0 none
  bool used = false;
  int panel = 1;  // 1..10
  std::vector<double> yUpper;  // band curves: the upper ends
};

// The axis ranges of every panel: one step of the zoom history.
struct PanelRanges {
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};
using PlotView = std::array<PanelRanges, kMaxPanels>;

// The gesture that made the newest zoom history step: a run of wheel turns
// or one drag of panning is one step.
enum ViewGesture : int { kGestureNone = 0, kGestureRectangle, kGestureWheel, kGesturePan };

struct PlotWindow {
  WindowId window = 0;
  int plotKind = 0;  // 0 for a project's main data plot
  WindowId infoWindow = 0;
  std::array<PlotPanel, kMaxPanels> panels;  // panels[0] is panel 1
  std::array<PlotCurve, kMaxCurves> curves;  // curves[0] is curve 1
  int ownerSlot = 0;
  // What the window shows, kept when new data arrive: the axis titles of
  // every panel and the names of the curves in the legend.
  std::string xAxisTitle, yAxisTitle;
  std::array<std::string, kMaxCurves> curveNames;
  std::vector<PlotView> zoomHistory;   // the views before each zoom, oldest first
  int lastGesture = kGestureNone;
};

// Panels and curves to their defaults (panel 1 used), windows cleared.
void InitPlot(PlotWindow& plot);
// Empties the data of every curve and resets the panels, keeping the windows.
void ClearPlotData(PlotWindow& plot);
// Curve j (1..10) becomes a time-indexed line x = first..last, y = values.
// When values holds fewer than last-first+1 numbers the curve is left unused.
void SetCurve(PlotWindow& plot, int j, const std::vector<double>& values, int first, int last);
// Curve j becomes a line or stem curve through the given points.
void SetCurvePoints(PlotWindow& plot, int j, int kind, const std::vector<double>& x, const std::vector<double>& y);
void SetCurvePanel(PlotWindow& plot, int j, int panel);
void SetPanelTitle(PlotWindow& plot, int k, const std::string& text);
// Curve j becomes a band over x from lower to upper (equal lengths).
void SetCurveBand(PlotWindow& plot, int j, const std::vector<double>& x, const std::vector<double>& lower,
                  const std::vector<double>& upper);
// Sets the three style values of curve j; -1 leaves a value unchanged.
void SetCurveStyle(PlotWindow& plot, int j, int a, int b, int c);
// The automatic axis ranges of every used panel; the zoom history is emptied.
void ComputeLimits(PlotWindow& plot);
// The automatic ranges of panel k (1..10) without changing the plot.
PanelRanges AutomaticRanges(const PlotWindow& plot, int k);
// Number of used panels (panels holding at least one used curve).
int PanelsInUse(const PlotWindow& plot);
// Whether panel k (1..10) holds at least one used curve.
bool PanelHasCurve(const PlotWindow& plot, int k);

// Layout of c panels: min(c,2) columns, ceil(c/2) rows. The panel number
// under client point (x, y) of a W x H client area.
int PanelAtPoint(int c, int width, int height, int x, int y);

// The program-wide colour table (red, green, blue in the low three bytes).
inline constexpr int kColourCount = 15;
using ColourTable = std::array<int, kColourCount>;
ColourTable DefaultColours();
ColourTable& Colours();  // the table in force
// Whether band curves (prediction bands) are drawn, in every plot window.
bool& BandsShown();
inline int Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

}  // namespace kora
