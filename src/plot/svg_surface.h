// A drawing surface that records an SVG document: the picture of a plot for
// the clipboard, duplicate windows, dialog previews and the browser front end.
#pragma once

#include <string>

#include "plot/surface.h"

namespace kora {

class SvgSurface : public Surface {
 public:
  SvgSurface(int width, int height);

  void SetClip(const Rect& clip) override;
  void ClearClip() override;
  void Line(PointD from, PointD to, const Pen& pen) override;
  void Polyline(const std::vector<PointD>& points, const Pen& pen) override;
  void FrameRect(PointD topLeft, PointD bottomRight, const Pen& pen) override;
  void FillRect(PointD topLeft, PointD bottomRight, int colour) override;
  void Text(PointD at, std::string_view text, const Font& font, int colour, HAlign h, VAlign v) override;
  void VerticalText(PointD centre, std::string_view text, const Font& font, int colour) override;
  void FillPolygon(const std::vector<PointD>& points, int colour, double opacity) override;

  // The complete document drawn so far.
  std::string Document() const;

 private:
  void Number(double v);
  void Attr(const char* name, double v);
  void Stroke(const Pen& pen);
  void PointList(const std::vector<PointD>& points);  // "x,y x,y ..."
  void FontAttributes(const Font& font, int colour);

  int width_, height_;
  int clipCount_ = 0;
  bool inGroup_ = false;
  std::string body_;
};

// "#RRGGBB" of a 0xBBGGRR colour.
std::string SvgColour(int colour);
// The text with the XML special characters escaped.
std::string XmlEscape(std::string_view text);

}  // namespace kora
