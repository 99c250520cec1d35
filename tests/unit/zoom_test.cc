#include "plot/zoom.h"

#include <gtest/gtest.h>

#include "plot/painter.h"
#include "plot/svg_surface.h"
#include "plot/view_gestures.h"

namespace kora {
namespace {

constexpr int kWidth = 620, kHeight = 400;

// A plot painted in a 620 x 400 window: one panel at pixels 100..585 x 26..358.
PlotWindow PaintedPlot() {
  PlotWindow plot;
  InitPlot(plot);
  std::vector<double> v(100);
  for (int i = 0; i < 100; ++i) v[i] = (i % 10) * 3.0 - 7;
  SetCurve(plot, 1, v, 1, 100);
  SvgSurface svg(kWidth, kHeight);
  PaintPlot(plot, svg, WindowPaintRect(kWidth, kHeight), 0, true);
  return plot;
}

TEST(Zoom, PixelsAndData) {
  const PlotWindow plot = PaintedPlot();
  const PlotPanel& p = plot.panels[0];
  // The panel's corners map to its ranges within one pixel.
  EXPECT_NEAR(PixelToDataX(p, 100), p.xMin, p.xScale);
  EXPECT_NEAR(PixelToDataX(p, 585), p.xMax, p.xScale);
  EXPECT_NEAR(PixelToDataY(p, 26), p.yMax, p.yScale);
  EXPECT_NEAR(PixelToDataY(p, 358), p.yMin, p.yScale);
  for (int px : {100, 200, 585}) EXPECT_EQ(DataToPixelX(p, PixelToDataX(p, px)), px);
  for (int py : {26, 100, 358}) EXPECT_EQ(DataToPixelY(p, PixelToDataY(p, py)), py);

  PlotPanel q;
  q.xOrigin = 100, q.xScale = 0.5, q.yOrigin = 200, q.yScale = 0.25;
  PlotWindow w;
  InitPlot(w);
  w.panels[0] = q;
  EXPECT_EQ(MousePositionText(w, kWidth, kHeight, 150, 100), "( 25.000, 25.000 )");
  EXPECT_EQ(MousePositionText(w, kWidth, kHeight, 90, 210), "( -5.0000, -2.5000 )");
}

TEST(Zoom, RegionAndRange) {
  PlotWindow plot = PaintedPlot();
  const PlotPanel old = plot.panels[0];
  // Region: both ranges from the rectangle, whichever way it was dragged.
  ZoomDrag drag = BeginZoom(plot, kZoomRegion, kWidth, kHeight, 330, 200);
  ASSERT_TRUE(drag.active);
  EXPECT_EQ(drag.panel, 1);
  MoveZoom(drag, 200, 100);
  ASSERT_TRUE(EndZoom(plot, drag));
  const PlotPanel& p = plot.panels[0];
  const double dx = (old.xMax - old.xMin) / 485, dy = (old.yMax - old.yMin) / 332;
  EXPECT_NEAR(p.xMin, old.xMin + (200 - 100) * dx, dx);
  EXPECT_NEAR(p.xMax, old.xMin + (330 - 100) * dx, dx);
  EXPECT_NEAR(p.yMax, old.yMax - (100 - 26) * dy, dy);
  EXPECT_NEAR(p.yMin, old.yMax - (200 - 26) * dy, dy);

  // Range: the rectangle spans the panel's y range; only x changes.
  plot = PaintedPlot();
  drag = BeginZoom(plot, kZoomRange, kWidth, kHeight, 300, 150);
  EXPECT_NEAR(drag.y1, 358 + 1, 1);
  EXPECT_NEAR(drag.y2, 26 - 1, 1);
  MoveZoom(drag, 400, 10);
  EXPECT_NE(drag.y2, 10);
  ASSERT_TRUE(EndZoom(plot, drag));
  EXPECT_EQ(plot.panels[0].yMin, old.yMin);
  EXPECT_EQ(plot.panels[0].yMax, old.yMax);
  EXPECT_NEAR(plot.panels[0].xMin, old.xMin + (300 - 100) * dx, dx);

  // Zoom out: the automatic limits again.
  ComputeLimits(plot);
  EXPECT_EQ(plot.panels[0].xMin, old.xMin);
}

TEST(Zoom, HistoryWheelAndPan) {
  PlotWindow plot = PaintedPlot();
  const PlotPanel full = plot.panels[0];
  // Two rectangles, then a run of wheel notches: three steps back to the start.
  RememberView(plot, kGestureRectangle);
  ASSERT_TRUE(ZoomPanel(plot.panels[0], kZoomRange, 150, 100, 500, 200));
  const PlotPanel first = plot.panels[0];
  RememberView(plot, kGestureRectangle);
  ASSERT_TRUE(ZoomPanel(plot.panels[0], kZoomRange, 200, 100, 400, 200));
  const PlotPanel second = plot.panels[0];
  const double under = PixelToDataX(plot.panels[0], 300);
  for (int i = 0; i < 3; ++i) WheelZoom(plot, 1, 300, true);
  const PlotPanel& p = plot.panels[0];
  EXPECT_NEAR(p.xMax - p.xMin, (second.xMax - second.xMin) * 0.512, 1e-9);
  // The value under the mouse stays where it was (the scales are those of the painting).
  EXPECT_NEAR((under - p.xMin) / (p.xMax - p.xMin), (under - second.xMin) / (second.xMax - second.xMin), 1e-9);
  EXPECT_EQ(plot.zoomHistory.size(), 3u);
  EXPECT_TRUE(ZoomBack(plot));
  EXPECT_EQ(plot.panels[0].xMin, second.xMin);
  EXPECT_TRUE(ZoomBack(plot));
  EXPECT_EQ(plot.panels[0].xMax, first.xMax);
  // Wheeling out never goes past the automatic range.
  for (int i = 0; i < 20; ++i) WheelZoom(plot, 1, 120, false);
  EXPECT_DOUBLE_EQ(plot.panels[0].xMin, full.xMin);
  EXPECT_DOUBLE_EQ(plot.panels[0].xMax, full.xMax);
  EXPECT_TRUE(ZoomBack(plot));
  EXPECT_EQ(plot.panels[0].xMin, first.xMin);
  EXPECT_TRUE(ZoomBack(plot));
  EXPECT_FALSE(ZoomBack(plot));  // nothing left: the automatic limits
  EXPECT_EQ(plot.panels[0].xMin, full.xMin);

  // A drag moves the ranges with the mouse; one drag is one step.
  PanDrag pan = BeginPan(plot, 1, 300, 200);
  ASSERT_TRUE(pan.active);
  EXPECT_FALSE(MovePan(plot, pan, 300, 200));
  EXPECT_TRUE(MovePan(plot, pan, 280, 210));
  EXPECT_TRUE(MovePan(plot, pan, 250, 220));
  EXPECT_NEAR(plot.panels[0].xMin, full.xMin + 50 * full.xScale, 1e-9);
  EXPECT_NEAR(plot.panels[0].yMax, full.yMax + 20 * full.yScale, 1e-9);
  EXPECT_EQ(plot.zoomHistory.size(), 1u);
  EXPECT_FALSE(BeginPan(plot, 4, 10, 10).active);  // a panel without curves
  // New data forget the history.
  SetCurve(plot, 1, {1, 2, 3}, 1, 3);
  EXPECT_TRUE(plot.zoomHistory.empty());
}

TEST(Zoom, EmptyRectanglesAndOtherModes) {
  PlotWindow plot = PaintedPlot();
  const PlotPanel old = plot.panels[0];
  ZoomDrag drag = BeginZoom(plot, kZoomRegion, kWidth, kHeight, 300, 150);
  MoveZoom(drag, 300, 250);  // no width
  EXPECT_FALSE(EndZoom(plot, drag));
  drag = BeginZoom(plot, kZoomRegion, kWidth, kHeight, 300, 150);
  MoveZoom(drag, 400, 150);  // no height
  EXPECT_FALSE(EndZoom(plot, drag));
  EXPECT_EQ(plot.panels[0].xMin, old.xMin);
  EXPECT_EQ(plot.panels[0].yMax, old.yMax);
  EXPECT_FALSE(BeginZoom(plot, kZoomNone, kWidth, kHeight, 300, 150).active);
  EXPECT_FALSE(BeginZoom(plot, kZoomOut, kWidth, kHeight, 300, 150).active);
  EXPECT_FALSE(EndZoom(plot, ZoomDrag{}));
}

TEST(Zoom, PanelUnderTheMouse) {
  PlotWindow plot;
  InitPlot(plot);
  for (int j = 1; j <= 3; ++j) {
    SetCurve(plot, j, {1, 2, 3}, 1, 3);
    SetCurvePanel(plot, j, j);
  }
  EXPECT_EQ(PanelUnderPoint(plot, 600, 400, 100, 300), 3);
  EXPECT_EQ(BeginZoom(plot, kZoomRegion, 600, 400, 100, 300).panel, 3);
  EXPECT_EQ(PanelUnderPoint(plot, 600, 400, 400, 100), 2);
}

}  // namespace
}  // namespace kora
