#include "plot/plot_window.h"

#include <gtest/gtest.h>

#include "plot/svg_surface.h"

namespace kora {
namespace {

// The widening factors are the single-precision 0.025 and 0.1.
constexpr double kXFactor = 0.02500000037252903;
constexpr double kYFactor = 0.10000000149011612;

TEST(PlotWindow, LimitsOfConstantSeriesAndEmptyPanel) {
  PlotWindow plot;
  InitPlot(plot);
  SetCurve(plot, 1, std::vector<double>(20, 5.0), 1, 20);
  const PlotPanel& p = plot.panels[0];
  // 5..5 becomes 4..6, then widened by 0.1 of the range on each side.
  EXPECT_DOUBLE_EQ(p.yMin, 4 - 2 * kYFactor);
  EXPECT_DOUBLE_EQ(p.yMax, 6 + 2 * kYFactor);
  EXPECT_NEAR(p.yMin, 3.8, 1e-8);
  EXPECT_NEAR(p.yMax, 6.2, 1e-8);
  EXPECT_DOUBLE_EQ(p.xMin, 1 - 19 * kXFactor);
  EXPECT_DOUBLE_EQ(p.xMax, 20 + 19 * kXFactor);

  // A used panel without curves shows -1..1 widened.
  PlotWindow empty;
  InitPlot(empty);
  ComputeLimits(empty);
  EXPECT_DOUBLE_EQ(empty.panels[0].xMin, -1 - 2 * kXFactor);
  EXPECT_DOUBLE_EQ(empty.panels[0].xMax, 1 + 2 * kXFactor);
  EXPECT_NEAR(empty.panels[0].xMin, -1.05, 1e-8);
  EXPECT_NEAR(empty.panels[0].yMin, -1.2, 1e-8);
  EXPECT_NEAR(empty.panels[0].yMax, 1.2, 1e-8);
  EXPECT_EQ(PanelsInUse(empty), 0);
}

TEST(PlotWindow, CurvesOfAPanelShareItsRanges) {
  PlotWindow plot;
  InitPlot(plot);
  SetCurve(plot, 1, {1, 3, 2}, 1, 3);
  SetCurve(plot, 2, {-4, 0, 1, 2, 8}, 3, 7);
  const PlotPanel& p = plot.panels[0];
  EXPECT_DOUBLE_EQ(p.xMin, 1 - 6 * kXFactor);
  EXPECT_DOUBLE_EQ(p.xMax, 7 + 6 * kXFactor);
  EXPECT_DOUBLE_EQ(p.yMin, -4 - 12 * kYFactor);
  EXPECT_DOUBLE_EQ(p.yMax, 8 + 12 * kYFactor);
  EXPECT_EQ(plot.curves[1].curveKind, kCurveLine);
  EXPECT_EQ(plot.curves[1].xValues, (std::vector<double>{3, 4, 5, 6, 7}));

  // Moving curve 2 to panel 2 splits the ranges.
  SetCurvePanel(plot, 2, 2);
  EXPECT_EQ(PanelsInUse(plot), 2);
  EXPECT_DOUBLE_EQ(plot.panels[0].yMax, 3 + 2 * kYFactor);
  EXPECT_DOUBLE_EQ(plot.panels[1].yMin, -4 - 12 * kYFactor);

  // Too few values leave the curve unused and the ranges follow.
  SetCurve(plot, 2, {1, 2}, 1, 5);
  EXPECT_FALSE(plot.curves[1].used);
  EXPECT_EQ(PanelsInUse(plot), 1);
  EXPECT_NEAR(plot.panels[1].yMax, 1.2, 1e-8);
  // Bad curve numbers change nothing.
  SetCurve(plot, 11, {1}, 1, 1);
  SetCurve(plot, 0, {1}, 1, 1);
  EXPECT_EQ(PanelsInUse(plot), 1);
}

TEST(PlotWindow, PointsStylesTitlesAndReset) {
  PlotWindow plot;
  InitPlot(plot);
  plot.window = 7;
  plot.infoWindow = 8;
  SetCurvePoints(plot, 3, kCurveBars, {0, 1, 2, 3}, {4, 1, 2});
  EXPECT_TRUE(plot.curves[2].used);
  EXPECT_DOUBLE_EQ(plot.curves[2].xHigh, 3);
  EXPECT_DOUBLE_EQ(plot.curves[2].yLow, 1);
  // Bars need one more edge than heights; lines the same count.
  SetCurvePoints(plot, 4, kCurveBars, {0, 1}, {4, 1});
  EXPECT_FALSE(plot.curves[3].used);
  SetCurvePoints(plot, 4, kCurveStems, {0, 1}, {4});
  EXPECT_FALSE(plot.curves[3].used);

  SetCurveStyle(plot, 3, 2, -1, 0);
  EXPECT_EQ(plot.curves[2].style, (std::array<int, 3>{2, 0, 0}));
  SetCurveStyle(plot, 3, -1, 1, -1);
  EXPECT_EQ(plot.curves[2].style, (std::array<int, 3>{2, 1, 0}));

  SetPanelTitle(plot, 1, std::string(200, 'T'));
  EXPECT_TRUE(plot.panels[0].hasTitle);
  EXPECT_EQ(plot.panels[0].title.size(), 128u);

  ClearPlotData(plot);
  EXPECT_EQ(plot.window, 7);
  EXPECT_EQ(plot.infoWindow, 8);
  EXPECT_FALSE(plot.curves[2].used);
  EXPECT_TRUE(plot.curves[2].xValues.empty());
  EXPECT_FALSE(plot.panels[0].hasTitle);
  EXPECT_TRUE(plot.panels[0].used);
  InitPlot(plot);
  EXPECT_EQ(plot.window, 0);
  EXPECT_EQ(plot.infoWindow, 0);
}

TEST(PlotWindow, PanelUnderPoint) {
  // Three panels: two columns, two rows.
  EXPECT_EQ(PanelAtPoint(3, 600, 400, 100, 300), 3);
  EXPECT_EQ(PanelAtPoint(3, 600, 400, 100, 100), 1);
  EXPECT_EQ(PanelAtPoint(3, 600, 400, 500, 100), 2);
  EXPECT_EQ(PanelAtPoint(1, 600, 400, 599, 399), 1);
  EXPECT_EQ(PanelAtPoint(2, 600, 400, 300, 399), 2);
  EXPECT_EQ(PanelAtPoint(6, 600, 600, 599, 599), 6);
  // Points outside the client area belong to the nearest panel.
  EXPECT_EQ(PanelAtPoint(4, 600, 400, -5, 1000), 3);
  EXPECT_EQ(PanelAtPoint(0, 0, 0, 3, 3), 1);
}

TEST(PlotWindow, ColourTable) {
  const ColourTable colours = DefaultColours();
  // Red in the low byte: the picture colour of entry 2 (220, 35, 63).
  EXPECT_EQ(colours[1], 0x3F23DC);
  EXPECT_EQ(SvgColour(colours[1]), "#DC233F");
  EXPECT_EQ(SvgColour(colours[12]), "#000080");
  EXPECT_EQ(SvgColour(colours[14]), "#F000A0");
  Colours()[0] = 0;
  EXPECT_EQ(Colours()[0], 0);
  Colours() = DefaultColours();
  EXPECT_EQ(Colours(), colours);
}

}  // namespace
}  // namespace kora
