#include "plot/painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

#include "plot/svg_surface.h"
#include "plot/zoom.h"

namespace kora {
namespace {

// Remembers every drawing call.
struct Recorder : Surface {
  struct Box {
    PointD a, b;
    int colour;
  };
  struct Stroke {
    std::vector<PointD> points;
    Pen pen;
  };
  struct Label {
    PointD at;
    std::string text;
    Font font;
    HAlign h;
    VAlign v;
  };
  std::vector<Box> frames, fills;
  std::vector<Stroke> lines, polylines, polygons;
  std::vector<Label> texts;
  int clips = 0;

  void SetClip(const Rect&) override { ++clips; }
  void ClearClip() override {}
  void Line(PointD a, PointD b, const Pen& pen) override { lines.push_back({{a, b}, pen}); }
  void Polyline(const std::vector<PointD>& p, const Pen& pen) override { polylines.push_back({p, pen}); }
  void FrameRect(PointD a, PointD b, const Pen& pen) override { frames.push_back({a, b, pen.colour}); }
  void FillRect(PointD a, PointD b, int colour) override { fills.push_back({a, b, colour}); }
  void Text(PointD at, std::string_view t, const Font& f, int, HAlign h, VAlign v) override {
    texts.push_back({at, std::string(t), f, h, v});
  }
  void VerticalText(PointD at, std::string_view t, const Font& f, int) override {
    texts.push_back({at, std::string(t), f, HAlign::Centre, VAlign::Middle});
  }
  void FillPolygon(const std::vector<PointD>& p, int colour, double) override { polygons.push_back({p, Pen{colour}}); }
  bool Empty() const {
    return frames.empty() && fills.empty() && lines.empty() && polylines.empty() && texts.empty() &&
           polygons.empty() && clips == 0;
  }
};

std::vector<double> Ramp(int n) {
  std::vector<double> v(n);
  for (int i = 0; i < n; ++i) v[i] = std::sin(i * 0.01) * 10 + i % 7;
  return v;
}

PlotWindow PlotOf(const std::vector<double>& values) {
  PlotWindow plot;
  InitPlot(plot);
  SetCurve(plot, 1, values, 1, static_cast<int>(values.size()));
  return plot;
}

TEST(Painter, LayoutQuantities) {
  // 1200 x 400 with three panels: a = 26, b = 46, left margin 46 + 8 * 13.
  PlotLayout l = ComputePlotLayout(1200, 400, 3);
  EXPECT_EQ(l.columns, 2);
  EXPECT_EQ(l.rows, 2);
  EXPECT_EQ(l.a, 26);
  EXPECT_EQ(l.b, 46);
  EXPECT_EQ(l.leftMargin, 150);
  EXPECT_EQ(l.panelWidth, 450);
  EXPECT_EQ(l.panelHeight, 82);
  const Rect third = PanelRect(l, Rect{0, 0, 1200, 400}, 3);
  EXPECT_EQ(third.left, 150);
  EXPECT_EQ(third.top, 46 + 82 + 26 + 46 + 46);
  const Rect second = PanelRect(l, Rect{10, 5, 1210, 405}, 2);
  EXPECT_EQ(second.left, 10 + 750);
  EXPECT_EQ(second.top, 5 + 46);
  EXPECT_EQ(second.width(), 450);
  // Narrower targets keep room for a nine-character label and the axis title.
  EXPECT_EQ(ComputePlotLayout(600, 400, 3).leftMargin, 115);
  // Tiny targets keep panels of at least one pixel.
  l = ComputePlotLayout(10, 10, 1);
  EXPECT_EQ(l.panelWidth, 1);
  EXPECT_EQ(l.panelHeight, 1);
  // The window paints 10 pixels in at both sides, then 25 pixels further left.
  const Rect window = WindowPaintRect(600, 400);
  EXPECT_EQ(window.left, -15);
  EXPECT_EQ(window.right, 565);
  EXPECT_EQ(window.bottom, 400);
}

TEST(Painter, StoredScalesMatchThePaintedFrame) {
  PlotWindow plot = PlotOf(Ramp(300));
  SetCurveStyle(plot, 1, -1, -1, 0);  // no markers
  const PlotPanel before = plot.panels[0];
  Recorder r;
  const Rect target = WindowPaintRect(620, 400);
  PaintPlot(plot, r, target, 0, true);
  const PlotPanel& p = plot.panels[0];
  // One panel in 600 x 400: panel 485 x 332 at left margin 115 and top 26.
  EXPECT_DOUBLE_EQ(p.xScale, (p.xMax - p.xMin) / 485);
  EXPECT_DOUBLE_EQ(p.yScale, (p.yMax - p.yMin) / 332);
  EXPECT_EQ(p.xOrigin, static_cast<int>(-15 + 115 - p.xMin / p.xScale));
  EXPECT_EQ(p.yOrigin, static_cast<int>(26 + p.yMax / p.yScale));
  EXPECT_EQ(p.xMin, before.xMin);
  ASSERT_EQ(r.frames.size(), 1u);
  // The corners of the frame map back to the panel's ranges.
  const auto& frame = r.frames[0];
  EXPECT_NEAR(DataToPixelX(p, p.xMin), frame.a.x, 1);
  EXPECT_NEAR(DataToPixelX(p, p.xMax), frame.b.x, 1);
  EXPECT_NEAR(DataToPixelY(p, p.yMax), frame.a.y, 1);
  EXPECT_NEAR(DataToPixelY(p, p.yMin), frame.b.y, 1);

  PlotWindow copy = PlotOf(Ramp(300));
  ComputePlotScales(copy, target, 0);
  EXPECT_EQ(copy.panels[0].xOrigin, p.xOrigin);
  EXPECT_EQ(copy.panels[0].yOrigin, p.yOrigin);
  EXPECT_EQ(copy.panels[0].yScale, p.yScale);

  // Painting elsewhere (a picture) leaves the scales alone.
  PlotPanel stored = plot.panels[0];
  Recorder other;
  PaintPlot(plot, other, Rect{0, 0, 200, 100}, 0, false);
  EXPECT_EQ(plot.panels[0].xOrigin, stored.xOrigin);
  EXPECT_EQ(plot.panels[0].xScale, stored.xScale);

  // A range of zero width: scale 1 and origin 1, and no frame for the panel.
  plot.panels[0].xMax = plot.panels[0].xMin;
  Recorder flat;
  PaintPlot(plot, flat, target, 0, true);
  EXPECT_EQ(plot.panels[0].xScale, 1.0);
  EXPECT_EQ(plot.panels[0].xOrigin, 1);
  EXPECT_TRUE(flat.frames.empty());
  EXPECT_EQ(flat.polylines.size(), 1u);
}

TEST(Painter, NothingToPaint) {
  PlotWindow plot = PlotOf(Ramp(10));
  for (auto [rect, only] : {std::pair{Rect{0, 0, 0, 100}, 0}, std::pair{Rect{0, 0, 100, 100}, 11},
                            std::pair{Rect{0, 0, 100, 100}, -1}}) {
    Recorder r;
    PaintPlot(plot, r, rect, only, true);
    EXPECT_TRUE(r.Empty());
  }
  PlotWindow none;
  InitPlot(none);
  Recorder r;
  PaintPlot(none, r, Rect{0, 0, 100, 100}, 0, true);
  EXPECT_TRUE(r.Empty());
  EXPECT_EQ(none.panels[0].xScale, 1.0);
}

TEST(Painter, PanelsTitlesAndSelection) {
  PlotWindow plot = PlotOf(Ramp(50));
  SetCurve(plot, 2, Ramp(60), 1, 60);
  SetCurve(plot, 3, Ramp(70), 1, 70);
  SetCurvePanel(plot, 2, 2);
  SetCurvePanel(plot, 3, 3);
  SetPanelTitle(plot, 3, "Third");
  plot.curves[0].style[2] = plot.curves[1].style[2] = plot.curves[2].style[2] = 0;
  Recorder r;
  PaintPlot(plot, r, Rect{0, 0, 600, 400}, 0, false);
  ASSERT_EQ(r.frames.size(), 3u);
  EXPECT_EQ(r.frames[2].a.x, 115);
  EXPECT_EQ(r.frames[2].a.y, 226);
  EXPECT_EQ(r.frames[2].colour, Colours()[12]);
  auto title = std::find_if(r.texts.begin(), r.texts.end(), [](auto& t) { return t.text == "Third"; });
  ASSERT_NE(title, r.texts.end());
  EXPECT_DOUBLE_EQ(title->at.x, 115 + 185 / 2.0);
  EXPECT_DOUBLE_EQ(title->at.y, 224);
  EXPECT_EQ(title->font.height, 14);  // whatever the size of the panel
  EXPECT_EQ(title->font.family, "MS Serif");
  // The curves are drawn in their own colours.
  ASSERT_EQ(r.polylines.size(), 3u);
  EXPECT_EQ(r.polylines[1].pen.colour, Colours()[1]);

  // Only panel 2, laid out alone.
  Recorder one;
  PaintPlot(plot, one, Rect{0, 0, 600, 400}, 2, false);
  ASSERT_EQ(one.frames.size(), 1u);
  EXPECT_EQ(one.frames[0].b.x - one.frames[0].a.x, 485);
  ASSERT_EQ(one.polylines.size(), 1u);
  EXPECT_EQ(one.polylines[0].points.size(), 60u);
}

TEST(Painter, AxisLabelsOfAPanel) {
  PlotWindow plot = PlotOf(Ramp(200));
  plot.panels[0].yMin = 0, plot.panels[0].yMax = 100;
  plot.panels[0].xMin = 1, plot.panels[0].xMax = 200;
  Recorder r;
  PaintPlot(plot, r, Rect{0, 0, 600, 400}, 0, false);
  std::vector<std::string> labels;
  for (const auto& t : r.texts) labels.push_back(t.text);
  for (const char* want : {"40", "80", "100", "180"})
    EXPECT_NE(std::find(labels.begin(), labels.end(), want), labels.end()) << want;
  // y labels right-aligned against the outer end of their mark (pw / 40 = 12).
  auto y80 = std::find_if(r.texts.begin(), r.texts.end(), [](auto& t) { return t.text == "80"; });
  ASSERT_NE(y80, r.texts.end());
  EXPECT_EQ(y80->h, HAlign::Right);
  EXPECT_LT(y80->at.x, 115 - 12 + 1);
  EXPECT_NEAR(y80->at.y, 26 + 0.2 * 332, 1e-9);
  EXPECT_EQ(y80->font.height, 12);
}

TEST(Painter, MarkersOnlyBelowAThousandPoints) {
  PlotWindow plot = PlotOf(Ramp(999));
  Recorder r;
  PaintPlot(plot, r, Rect{0, 0, 600, 400}, 0, false);
  EXPECT_EQ(r.frames.size(), 1u + 999u);
  const int tinted = (Colours()[0] + Colours()[11]) & 0xFFFFFF;
  EXPECT_EQ(r.frames[1].colour, tinted);
  EXPECT_EQ(r.frames[1].b.x - r.frames[1].a.x, 4);  // corners at +-2 pixels
  EXPECT_EQ(r.fills.back().colour, 0xFFFFFF);       // unfilled markers are white
  SetCurveStyle(plot, 1, -1, 1, -1);
  Recorder filled;
  PaintPlot(plot, filled, Rect{0, 0, 600, 400}, 0, false);
  EXPECT_EQ(filled.fills.back().colour, tinted);

  PlotWindow big = PlotOf(Ramp(1000));
  Recorder none;
  PaintPlot(big, none, Rect{0, 0, 600, 400}, 0, false);
  EXPECT_EQ(none.frames.size(), 1u);
}

TEST(Painter, NoDataStemsAndBars) {
  PlotWindow plot;
  InitPlot(plot);
  SetCurvePoints(plot, 1, kCurveNoData, {}, {});
  Recorder r;
  PaintPlot(plot, r, Rect{0, 0, 600, 400}, 0, false);
  ASSERT_EQ(r.texts.back().text, "<NO DATA PRESENT>");
  EXPECT_DOUBLE_EQ(r.texts.back().at.x, 115 + 485 / 2.0);
  EXPECT_DOUBLE_EQ(r.texts.back().at.y, 26 + 332 / 2.0);
  EXPECT_EQ(r.texts.back().h, HAlign::Centre);
  EXPECT_EQ(r.texts.back().v, VAlign::Middle);

  // Stems with bounds for n = 25: dotted lines at +-0.392.
  InitPlot(plot);
  SetCurvePoints(plot, 1, kCurveStems, {0, 1, 2, 3, 4}, {1, -0.5, 0.3, 0.1, -0.2});
  plot.curves[0].boundCount = 25;
  plot.panels[0].yMin = -1, plot.panels[0].yMax = 1;
  Recorder stems;
  PaintPlot(plot, stems, Rect{0, 0, 600, 400}, 0, false);
  ASSERT_EQ(stems.fills.size(), 1u + 5u);
  EXPECT_EQ(stems.fills[1].b.x - stems.fills[1].a.x, 5);
  EXPECT_NEAR(stems.fills[1].a.y, 26 + 0 * 332, 1e-9);    // y = 1 is the top
  EXPECT_NEAR(stems.fills[1].b.y, 26 + 0.5 * 332, 1e-9);  // down to y = 0
  std::vector<double> dotted;
  for (const auto& l : stems.lines)
    if (l.pen.style == kPenDot) dotted.push_back(l.points[0].y);
  ASSERT_EQ(dotted.size(), 2u);
  EXPECT_NEAR(dotted[0], 26 + (1 - 0.392) / 2 * 332, 1e-9);
  EXPECT_NEAR(dotted[1], 26 + (1 + 0.392) / 2 * 332, 1e-9);
  plot.curves[0].style[0] = 1;
  Recorder narrow;
  PaintPlot(plot, narrow, Rect{0, 0, 600, 400}, 0, false);
  EXPECT_EQ(narrow.fills[1].b.x - narrow.fills[1].a.x, 2);

  // Bars between the bin edges, one outline through all of them.
  InitPlot(plot);
  SetCurvePoints(plot, 1, kCurveBars, {0, 1, 2, 3}, {4, 1, 2});
  Recorder bars;
  PaintPlot(plot, bars, Rect{0, 0, 600, 400}, 0, false);
  ASSERT_EQ(bars.fills.size(), 1u + 3u);
  EXPECT_EQ(bars.fills[1].colour, Colours()[0]);
  ASSERT_EQ(bars.polylines.size(), 1u);
  EXPECT_EQ(bars.polylines[0].points.size(), 8u);
  EXPECT_DOUBLE_EQ(bars.polylines[0].points[1].y, bars.fills[1].b.y);
}

TEST(Painter, ReductionKeepsTheExtremesOfEveryColumn) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> u(0, 100);
  std::vector<PointD> points;
  for (int i = 0; i < 5000; ++i) points.push_back({i / 50.0, u(random)});
  const auto reduced = ReducePolyline(points);
  EXPECT_LE(reduced.size(), 4u * 100u);
  std::map<int, std::pair<double, double>> want, got;
  auto note = [](auto& m, PointD p) {
    auto [it, fresh] = m.try_emplace(static_cast<int>(std::floor(p.x)), p.y, p.y);
    it->second.first = std::min(it->second.first, p.y);
    it->second.second = std::max(it->second.second, p.y);
  };
  for (auto p : points) note(want, p);
  for (auto p : reduced) note(got, p);
  EXPECT_EQ(want, got);
  // The line enters and leaves each column where the original does.
  EXPECT_EQ(reduced.front().y, points.front().y);
  EXPECT_EQ(reduced.back().y, points.back().y);

  // A 10^5-point curve paints as a short polyline with the same extremes.
  std::vector<double> values(100000);
  for (size_t i = 0; i < values.size(); ++i) values[i] = u(random);
  values[12345] = 150;
  values[54321] = -50;
  PlotWindow plot = PlotOf(values);
  Recorder r;
  PaintPlot(plot, r, Rect{0, 0, 600, 400}, 0, false);
  ASSERT_EQ(r.polylines.size(), 1u);
  const auto& line = r.polylines[0].points;
  EXPECT_LE(line.size(), 4u * 511u);
  const auto [low, high] =
      std::minmax_element(line.begin(), line.end(), [](PointD a, PointD b) { return a.y < b.y; });
  const PlotPanel& p = plot.panels[0];
  EXPECT_NEAR(low->y, 26 + (p.yMax - 150) / (p.yMax - p.yMin) * 332, 1e-9);
  EXPECT_NEAR(high->y, 26 + (p.yMax + 50) / (p.yMax - p.yMin) * 332, 1e-9);
}

TEST(Painter, SvgDocument) {
  PlotWindow plot;
  InitPlot(plot);
  SetCurvePoints(plot, 1, kCurveNoData, {}, {});
  SetPanelTitle(plot, 1, "A & B");
  const std::string svg = PlotSvg(plot, 300, 200);
  EXPECT_EQ(svg.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"300\" height=\"200\"", 0), 0u);
  EXPECT_NE(svg.find("&lt;NO DATA PRESENT&gt;"), std::string::npos);
  EXPECT_NE(svg.find("A &amp; B"), std::string::npos);
  EXPECT_NE(svg.find("font-family=\"'MS Serif', serif\""), std::string::npos);
  auto count = [&](const std::string& s) {
    size_t n = 0;
    for (size_t at = svg.find(s); at != std::string::npos; at = svg.find(s, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("<g "), count("</g>"));
  EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");

  SvgSurface s(10, 10);
  s.Polyline({{1.25, -0.01}, {2e9, std::nan("")}}, Pen{0x0000FF, 1, kPenDash});
  EXPECT_NE(s.Document().find("points=\"1.3,0 1000000,0\""), std::string::npos);
  EXPECT_NE(s.Document().find("stroke=\"#FF0000\""), std::string::npos);
  EXPECT_NE(s.Document().find("stroke-dasharray"), std::string::npos);
}

}  // namespace
}  // namespace kora
