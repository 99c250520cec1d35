// An abstract drawing surface in device pixels: what the plot painter needs of
// a window, a picture or a printer page. Colours are 0xBBGGRR integers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kora {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
};

struct PointD {
  double x = 0, y = 0;
};

// The platform's pen styles: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot.
enum PenStyle : int { kPenSolid = 0, kPenDash = 1, kPenDot = 2, kPenDashDot = 3, kPenDashDotDot = 4 };

struct Pen {
  int colour = 0;
  int width = 1;
  int style = kPenSolid;
  bool inverted = false;  // drawn by inverting what lies below (rubber rectangles)
};

struct Font {
  std::string family = "MS Serif";
  int height = 12;
  int width = 6;  // average character width
};

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Middle, Baseline, Bottom };

class Surface {
 public:
  virtual ~Surface() = default;
  // Later drawing is limited to the rectangle until the clip is cleared.
  virtual void SetClip(const Rect& clip) = 0;
  virtual void ClearClip() = 0;
  virtual void Line(PointD from, PointD to, const Pen& pen) = 0;
  virtual void Polyline(const std::vector<PointD>& points, const Pen& pen) = 0;
  // Outline of the rectangle (corners inclusive, as pixel rows and columns).
  virtual void FrameRect(PointD topLeft, PointD bottomRight, const Pen& pen) = 0;
  virtual void FillRect(PointD topLeft, PointD bottomRight, int colour) = 0;
  virtual void Text(PointD at, std::string_view text, const Font& font, int colour, HAlign h, VAlign v) = 0;
  // Text reading upwards, centred on the point horizontally and vertically.
  virtual void VerticalText(PointD centre, std::string_view text, const Font& font, int colour) = 0;
  // A closed polygon filled with the colour at the given opacity (0..1).
  virtual void FillPolygon(const std::vector<PointD>& points, int colour, double opacity) = 0;
};

}  // namespace kora
