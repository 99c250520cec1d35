#include "plot/painter.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <utility>

#include "platform/text.h"
#include "plot/axis_ticks.h"
#include "plot/svg_surface.h"

namespace kora {
namespace {

// Entries of the colour table by their number (1..15).
int Colour(int entry) { return Colours()[entry - 1]; }
constexpr int kBackground = 11, kMarkerTint = 12, kBorder = 13, kAxisText = 14;
constexpr int kWhite = 0xFFFFFF;
constexpr size_t kMarkerLimit = 1000;  // curves of this many points get no markers
// A window paints 15 pixels left of its client area (see WindowPaintRect).
constexpr int kHiddenLeft = 15;
// Hidden part, axis title, a nine-character label and the longest tick mark.
constexpr int kMinLeftMargin = kHiddenLeft + 18 + 66 + 16;

// Linear map of a panel's data ranges onto its pixel rectangle.
struct Mapper {
  double left, top, width, height, xMin, xMax, yMin, yMax;
  double X(double x) const { return left + (x - xMin) / Span(xMax - xMin) * width; }
  double Y(double y) const { return top + (yMax - y) / Span(yMax - yMin) * height; }
  static double Span(double d) { return d == 0 ? 1 : d; }
};

int TruncateToInt(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::clamp(v, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

void StoreScales(PlotWindow& plot, const PlotLayout& l, const Rect& rect) {
  for (int r = 0; r < l.rows; ++r) {
    for (int k = 0; k < l.columns; ++k) {
      const int p = 2 * r + k + 1;
      if (p > 9) continue;  // the grid of stored scales covers panels 1..9
      PlotPanel& panel = plot.panels[p - 1];
      const int leftPixel = rect.left + (k + 1) * l.leftMargin + k * l.panelWidth;
      const int topPixel = rect.top + (r + 1) * l.b + r * (l.a + l.b + l.panelHeight);
      panel.xScale = (panel.xMax - panel.xMin) / l.panelWidth;
      panel.yScale = (panel.yMax - panel.yMin) / l.panelHeight;
      if (panel.xScale == 0) {
        panel.xScale = 1.0;
        panel.xOrigin = 1;
      } else {
        panel.xOrigin = TruncateToInt(leftPixel - panel.xMin / panel.xScale);
      }
      if (panel.yScale == 0) {
        panel.yScale = 1.0;
        panel.yOrigin = 1;
      } else {
        panel.yOrigin = TruncateToInt(topPixel + panel.yMax / panel.yScale);
      }
    }
  }
}

// Text keeps one size whatever the size of the window.
constexpr int kLabelHeight = 12, kTitleHeight = 14;
Font LabelFont() { return Font{"MS Serif", kLabelHeight, kLabelHeight / 2}; }
Font TitleFont() { return Font{"MS Serif", kTitleHeight, kTitleHeight / 2}; }
// Width of a text in a font, as a renderer's digits and letters average it.
double TextWidth(std::string_view text, const Font& font) { return 0.6 * font.height * text.size(); }

void PaintFrameAndAxes(const PlotWindow& plot, const PlotPanel& panel, Surface& s, const Rect& r,
                       const PlotLayout& l) {
  if (!(panel.xMax > panel.xMin) || !(panel.yMax > panel.yMin)) return;
  const Mapper map{double(r.left), double(r.top), double(r.width()), double(r.height()),
                   panel.xMin,     panel.xMax,    panel.yMin,        panel.yMax};
  s.FillRect({double(r.left), double(r.top)}, {double(r.right), double(r.bottom)}, Colour(kBackground));
  s.FrameRect({double(r.left), double(r.top)}, {double(r.right), double(r.bottom)}, Pen{Colour(kBorder)});
  const Font font = LabelFont();
  const Pen tickPen{Colour(kBorder)};

  const AxisTicks y = YAxisTicks(panel.yMin, panel.yMax, r.height());
  const double yMark = r.width() / 40;
  for (size_t i = 0; i < y.values.size(); ++i) {
    const double py = map.Y(y.values[i]);
    s.Line({double(r.left), py}, {r.left - yMark, py}, tickPen);
    if (y.Labelled(i))
      s.Text({r.left - yMark - 2, py}, Trim(YTickLabel(y.values[i], y.step)), font, Colour(kAxisText),
             HAlign::Right, VAlign::Middle);
  }
  const AxisTicks x = XAxisTicks(panel.xMin, panel.xMax);
  const double xMark = r.height() / 40;
  for (size_t i = 0; i < x.values.size(); ++i) {
    const double px = map.X(x.values[i]);
    s.Line({px, double(r.bottom)}, {px, r.bottom + xMark}, tickPen);
    if (x.Labelled(i))
      s.Text({px, r.bottom + xMark + 1}, Trim(XTickLabel(x.values[i], x.step)), font, Colour(kAxisText),
             HAlign::Centre, VAlign::Top);
  }
  // Axis titles: below the x labels, and upright at the left end of the
  // panel's label margin (past the part a window does not show).
  if (!plot.xAxisTitle.empty())
    s.Text({r.left + r.width() / 2.0, r.bottom + xMark + 2 + font.height}, plot.xAxisTitle, font,
           Colour(kAxisText), HAlign::Centre, VAlign::Top);
  if (!plot.yAxisTitle.empty())
    s.VerticalText({r.left - l.leftMargin + kHiddenLeft + 2 + font.height / 2.0, r.top + r.height() / 2.0},
                   plot.yAxisTitle, font, Colour(kAxisText));
}

// The points of a curve whose x values rise that can reach the panel: those
// inside the x range and one neighbour on each side; every point otherwise.
std::pair<size_t, size_t> VisiblePoints(const PlotCurve& c, double xMin, double xMax) {
  const size_t n = std::min(c.xValues.size(), c.yValues.size());
  const auto begin = c.xValues.begin(), end = begin + static_cast<std::ptrdiff_t>(n);
  if (!std::is_sorted(begin, end)) return {0, n};
  size_t first = static_cast<size_t>(std::lower_bound(begin, end, xMin) - begin);
  size_t last = static_cast<size_t>(std::upper_bound(begin, end, xMax) - begin);
  first = first > 0 ? first - 1 : 0;
  last = std::min(last + 1, n);
  return {first, std::max(first, last)};
}

// Points of a line curve in pixels, split where a value is not a number.
std::vector<std::vector<PointD>> LineRuns(const PlotCurve& c, const Mapper& map) {
  std::vector<std::vector<PointD>> runs(1);
  const auto [from, n] = VisiblePoints(c, map.xMin, map.xMax);
  for (size_t i = from; i < n; ++i) {
    if (!std::isfinite(c.xValues[i]) || !std::isfinite(c.yValues[i])) {
      if (!runs.back().empty()) runs.emplace_back();
      continue;
    }
    runs.back().push_back({map.X(c.xValues[i]), map.Y(c.yValues[i])});
  }
  return runs;
}

void PaintMarkers(const PlotCurve& c, int j, const std::vector<std::vector<PointD>>& runs, Surface& s) {
  const int tinted = (Colour(j) + Colour(kMarkerTint)) & 0xFFFFFF;
  const int fill = c.style[1] != 0 ? tinted : kWhite;
  for (const auto& run : runs) {
    for (const PointD& p : run) {
      const double x = std::round(p.x), y = std::round(p.y);
      s.FillRect({x - 2, y - 2}, {x + 2, y + 2}, fill);
      s.FrameRect({x - 2, y - 2}, {x + 2, y + 2}, Pen{tinted});
    }
  }
}

void PaintLines(const PlotCurve& c, int j, const Mapper& map, Surface& s) {
  const auto runs = LineRuns(c, map);
  const Pen pen{Colour(j), 1, c.style[0]};
  for (const auto& run : runs) {
    // Beyond two points a pixel column the reduced line looks the same.
    if (run.size() > 2 * static_cast<size_t>(std::max(map.width, 1.0)))
      s.Polyline(ReducePolyline(run), pen);
    else
      s.Polyline(run, pen);
  }
  if (c.style[2] == 1 && std::min(c.xValues.size(), c.yValues.size()) < kMarkerLimit)
    PaintMarkers(c, j, runs, s);
}

void HorizontalLine(const Mapper& map, double y, const Pen& pen, Surface& s) {
  s.Line({map.left, map.Y(y)}, {map.left + map.width, map.Y(y)}, pen);
}

void PaintStems(const PlotCurve& c, int j, const Mapper& map, Surface& s) {
  // Pixel columns covered, relative to the point's column.
  const int from = c.style[0] == 1 ? -1 : c.style[0] == 2 ? 1 : -2;
  const int to = c.style[0] == 1 ? 0 : c.style[0] == 2 ? 2 : 2;
  const size_t n = std::min(c.xValues.size(), c.yValues.size());
  const double y0 = map.Y(0);
  for (size_t i = 0; i < n; ++i) {
    if (!std::isfinite(c.xValues[i]) || !std::isfinite(c.yValues[i])) continue;
    const double x = std::round(map.X(c.xValues[i]));
    s.FillRect({x + from, std::min(y0, map.Y(c.yValues[i]))}, {x + to + 1, std::max(y0, map.Y(c.yValues[i]))},
               Colour(j));
  }
  if (c.boundCount > 0 && std::isfinite(c.boundCount)) {
    const double bound = 1.96 / std::sqrt(c.boundCount);
    HorizontalLine(map, bound, Pen{Colour(kBorder), 1, kPenDot}, s);
    HorizontalLine(map, -bound, Pen{Colour(kBorder), 1, kPenDot}, s);
  }
  HorizontalLine(map, 0, Pen{Colour(kBorder)}, s);
}

void PaintBars(const PlotCurve& c, int j, const Mapper& map, Surface& s) {
  const size_t bars = c.xValues.size() == c.yValues.size() + 1 ? c.yValues.size() : 0;
  std::vector<PointD> outline;
  for (size_t i = 0; i < bars; ++i) {
    const double left = map.X(c.xValues[i]), right = map.X(c.xValues[i + 1]), top = map.Y(c.yValues[i]);
    s.FillRect({left, map.Y(0)}, {right, top}, Colour(j));
    if (i == 0) outline.push_back({left, map.Y(0)});
    outline.push_back({left, top});
    outline.push_back({right, top});
  }
  if (bars > 0) outline.push_back({map.X(c.xValues[bars]), map.Y(0)});
  s.Polyline(outline, Pen{Colour(kBorder)});
  HorizontalLine(map, 0, Pen{Colour(kBorder)}, s);
}

constexpr double kBandOpacity = 0.25;

// A band: the area between the lower and upper ends, lightly filled, with
// its two edges in the curve's colour.
void PaintBand(const PlotCurve& c, int j, const Mapper& map, Surface& s) {
  std::vector<PointD> lower, upper;
  const size_t n = std::min({c.xValues.size(), c.yValues.size(), c.yUpper.size()});
  for (size_t i = 0; i < n; ++i) {
    if (!std::isfinite(c.xValues[i]) || !std::isfinite(c.yValues[i]) || !std::isfinite(c.yUpper[i])) continue;
    lower.push_back({map.X(c.xValues[i]), map.Y(c.yValues[i])});
    upper.push_back({map.X(c.xValues[i]), map.Y(c.yUpper[i])});
  }
  std::vector<PointD> outline = upper;
  outline.insert(outline.end(), lower.rbegin(), lower.rend());
  s.FillPolygon(outline, Colour(j), kBandOpacity);
  s.Polyline(lower, Pen{Colour(j), 1, kPenDot});
  s.Polyline(upper, Pen{Colour(j), 1, kPenDot});
}

bool Shown(const PlotCurve& c) { return c.used && (c.curveKind != kCurveBand || BandsShown()); }

// The names of the shown curves of panel p in a box at its top right corner,
// when there are at least two of them.
void PaintLegend(const PlotWindow& plot, int p, const Rect& r, Surface& s) {
  std::vector<int> named;
  for (int j = 1; j <= kMaxCurves; ++j) {
    const PlotCurve& c = plot.curves[j - 1];
    if (Shown(c) && c.panel == p && !plot.curveNames[j - 1].empty()) named.push_back(j);
  }
  if (named.size() < 2) return;
  const Font font = LabelFont();
  constexpr double kSample = 18, kGap = 4;
  const double row = font.height + 4;
  double textWidth = 0;
  for (int j : named) textWidth = std::max(textWidth, TextWidth(plot.curveNames[j - 1], font));
  const double width = kGap + kSample + kGap + textWidth + kGap;
  const double right = r.right - 4, left = right - width, top = r.top + 4;
  s.FillRect({left, top}, {right, top + row * named.size() + kGap}, Colour(kBackground));
  s.FrameRect({left, top}, {right, top + row * named.size() + kGap}, Pen{Colour(kBorder)});
  for (size_t i = 0; i < named.size(); ++i) {
    const int j = named[i];
    const PlotCurve& c = plot.curves[j - 1];
    const double y = top + kGap / 2 + row * (i + 0.5);
    const double x0 = left + kGap, x1 = x0 + kSample;
    if (c.curveKind == kCurveBand)
      s.FillPolygon({{x0, y - 4}, {x1, y - 4}, {x1, y + 4}, {x0, y + 4}}, Colour(j), kBandOpacity);
    else if (c.curveKind == kCurveStems || c.curveKind == kCurveBars)
      s.FillRect({x0 + kSample / 2 - 2, y - 5}, {x0 + kSample / 2 + 2, y + 5}, Colour(j));
    else
      s.Line({x0, y}, {x1, y}, Pen{Colour(j), 2, c.style[0]});
    s.Text({x1 + kGap, y}, plot.curveNames[j - 1], font, Colour(kAxisText), HAlign::Left, VAlign::Middle);
  }
}

void PaintCurve(const PlotCurve& c, int j, const PlotPanel& panel, const Rect& r, Surface& s) {
  const Mapper map{double(r.left), double(r.top), double(r.width()), double(r.height()),
                   panel.xMin,     panel.xMax,    panel.yMin,        panel.yMax};
  switch (c.curveKind) {
    case kCurveLine:
    case kCurveLineAlt:
      PaintLines(c, j, map, s);
      break;
    case kCurveStems:
      PaintStems(c, j, map, s);
      break;
    case kCurveBars:
      PaintBars(c, j, map, s);
      break;
    case kCurveBand:
      PaintBand(c, j, map, s);
      break;
    case kCurveNoData:
      s.Text({r.left + r.width() / 2.0, r.top + r.height() / 2.0}, "<NO DATA PRESENT>", TitleFont(),
             Colour(kAxisText), HAlign::Centre, VAlign::Middle);
      break;
    default:
      break;
  }
}

void PaintPanel(const PlotWindow& plot, int p, Surface& s, const Rect& r, const PlotLayout& l) {
  const PlotPanel& panel = plot.panels[p - 1];
  PaintFrameAndAxes(plot, panel, s, r, l);
  if (panel.hasTitle)
    s.Text({r.left + r.width() / 2.0, r.top - 2.0}, panel.title, TitleFont(), Colour(kAxisText),
           HAlign::Centre, VAlign::Baseline);
  s.SetClip({r.left, r.top, r.right + 1, r.bottom + 1});
  // Bands lie beneath the lines they surround.
  for (bool bands : {true, false}) {
    for (int j = 1; j <= kMaxCurves; ++j) {
      const PlotCurve& c = plot.curves[j - 1];
      if (Shown(c) && c.panel == p && (c.curveKind == kCurveBand) == bands) PaintCurve(c, j, panel, r, s);
    }
  }
  PaintLegend(plot, p, r, s);
  s.ClearClip();
}

bool Paintable(const PlotWindow& plot, const Rect& rect, int onlyPanel) {
  if (rect.empty() || onlyPanel < 0 || onlyPanel > kMaxPanels) return false;
  return std::any_of(plot.curves.begin(), plot.curves.end(), [](const PlotCurve& c) { return c.used; });
}

// A single selected panel is laid out alone.
PlotLayout Layout(const PlotWindow& plot, const Rect& rect, int onlyPanel) {
  return ComputePlotLayout(rect.width(), rect.height(), onlyPanel != 0 ? 1 : PanelsInUse(plot));
}

}  // namespace

PlotLayout ComputePlotLayout(int width, int height, int c) {
  PlotLayout l;
  c = std::max(c, 1);
  l.columns = std::min(c, 2);
  l.rows = (c + 1) / 2;
  l.a = width / 60 + 6;
  l.b = width / 30 + 6;
  // Room for eight label characters, and at least for the widest label and
  // the axis title in the fixed text size beside the part a window hides.
  l.leftMargin = std::max(l.b + 8 * (l.a / 2), kMinLeftMargin);
  l.panelWidth = std::max(width / l.columns - l.leftMargin, 1);
  l.panelHeight = std::max(height / l.rows - (l.a + l.b) - l.b, 1);
  return l;
}

Rect PanelRect(const PlotLayout& l, const Rect& target, int m) {
  Rect r;
  r.left = target.left + ((m - 1) % 2) * (l.panelWidth + l.leftMargin) + l.leftMargin;
  r.top = target.top + ((m - 1) / 2) * (l.panelHeight + l.a + l.b + l.b) + l.b;
  r.right = r.left + l.panelWidth;
  r.bottom = r.top + l.panelHeight;
  return r;
}

Rect WindowPaintRect(int clientWidth, int clientHeight) {
  // Shrunk by 10 pixels at both sides, then moved 25 pixels to the left: the
  // panels move into the wide label margin and the leftmost 15 pixels of the
  // painting (always blank margin) fall outside the client area.
  return Rect{10 - 25, 0, clientWidth - 10 - 25, clientHeight};
}

void PaintPlot(PlotWindow& plot, Surface& surface, const Rect& rect, int onlyPanel, bool computeScales) {
  if (computeScales) ComputePlotScales(plot, rect, onlyPanel);
  PaintPlot(std::as_const(plot), surface, rect, onlyPanel);
}

void ComputePlotScales(PlotWindow& plot, const Rect& rect, int onlyPanel) {
  if (Paintable(plot, rect, onlyPanel)) StoreScales(plot, Layout(plot, rect, onlyPanel), rect);
}

void PaintPlot(const PlotWindow& plot, Surface& surface, const Rect& rect, int onlyPanel) {
  if (!Paintable(plot, rect, onlyPanel)) return;
  const PlotLayout layout = Layout(plot, rect, onlyPanel);
  int m = 0;
  for (int p = 1; p <= kMaxPanels; ++p) {
    if (onlyPanel != 0 ? p != onlyPanel : !PanelHasCurve(plot, p)) continue;
    PaintPanel(plot, p, surface, PanelRect(layout, rect, ++m), layout);
  }
}

std::string PlotSvg(const PlotWindow& plot, int width, int height) {
  SvgSurface svg(width, height);
  PaintPlot(plot, svg, Rect{0, 0, width, height}, 0);
  return svg.Document();
}

std::vector<PointD> ReducePolyline(const std::vector<PointD>& points) {
  std::vector<PointD> out;
  size_t start = 0;
  while (start < points.size()) {
    const double column = std::floor(points[start].x);
    size_t end = start, low = start, high = start;
    while (end < points.size() && std::floor(points[end].x) == column) {
      if (points[end].y < points[low].y) low = end;
      if (points[end].y > points[high].y) high = end;
      ++end;
    }
    std::array<size_t, 4> keep{start, low, high, end - 1};
    std::sort(keep.begin(), keep.end());
    for (size_t i = 0; i < keep.size(); ++i)
      if (i == 0 || keep[i] != keep[i - 1]) out.push_back(points[keep[i]]);
    start = end;
  }
  return out;
}

}  // namespace kora
