#include "plot/svg_surface.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace kora {
namespace {

// Coordinates far outside any page are pinned so that the text stays short;
// clipping hides them anyway.
constexpr double kFar = 1e6;

const char* DashArray(int style) {
  switch (style) {
    case kPenDash:
      return "18 6";
    case kPenDot:
      return "3 3";
    case kPenDashDot:
      return "9 6 3 6";
    case kPenDashDotDot:
      return "9 3 3 3 3 3";
    default:
      return nullptr;
  }
}

}  // namespace

std::string SvgColour(int colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                (colour >> 16) & 0xFF);
  return text;
}

std::string XmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

SvgSurface::SvgSurface(int width, int height) : width_(std::max(width, 0)), height_(std::max(height, 0)) {}

void SvgSurface::Number(double v) {
  if (!std::isfinite(v)) v = 0;
  v = std::clamp(v, -kFar, kFar);
  // One decimal is finer than any device pixel.
  const double rounded = std::round(v * 10) / 10;
  char text[32];
  auto result = std::to_chars(text, text + sizeof text, rounded, std::chars_format::fixed, 1);
  char* end = result.ptr;
  if (end - text >= 2 && end[-1] == '0' && end[-2] == '.') end -= 2;
  if (end - text == 2 && text[0] == '-' && text[1] == '0') {
    body_ += '0';
    return;
  }
  body_.append(text, end);
}

void SvgSurface::Attr(const char* name, double v) {
  body_ += ' ';
  body_ += name;
  body_ += "=\"";
  Number(v);
  body_ += '"';
}

void SvgSurface::PointList(const std::vector<PointD>& points) {
  for (size_t i = 0; i < points.size(); ++i) {
    if (i) body_ += ' ';
    Number(points[i].x);
    body_ += ',';
    Number(points[i].y);
  }
}

void SvgSurface::Stroke(const Pen& pen) {
  body_ += " fill=\"none\" stroke=\"" + SvgColour(pen.colour) + "\" stroke-width=\"" +
           std::to_string(std::max(pen.width, 1)) + "\"";
  if (const char* dashes = DashArray(pen.style)) body_ += std::string(" stroke-dasharray=\"") + dashes + "\"";
  if (pen.inverted) body_ += " style=\"mix-blend-mode:difference\"";
}

void SvgSurface::SetClip(const Rect& clip) {
  ClearClip();
  ++clipCount_;
  const std::string id = "c" + std::to_string(clipCount_);
  body_ += "<clipPath id=\"" + id + "\"><rect";
  Attr("x", clip.left);
  Attr("y", clip.top);
  Attr("width", std::max(clip.width(), 0));
  Attr("height", std::max(clip.height(), 0));
  body_ += "/></clipPath>\n<g clip-path=\"url(#" + id + ")\">\n";
  inGroup_ = true;
}

void SvgSurface::ClearClip() {
  if (!inGroup_) return;
  body_ += "</g>\n";
  inGroup_ = false;
}

void SvgSurface::Line(PointD from, PointD to, const Pen& pen) {
  body_ += "<line";
  Attr("x1", from.x);
  Attr("y1", from.y);
  Attr("x2", to.x);
  Attr("y2", to.y);
  Stroke(pen);
  body_ += "/>\n";
}

void SvgSurface::Polyline(const std::vector<PointD>& points, const Pen& pen) {
  if (points.size() < 2) return;
  body_ += "<polyline points=\"";
  PointList(points);
  body_ += '"';
  Stroke(pen);
  body_ += "/>\n";
}

void SvgSurface::FrameRect(PointD topLeft, PointD bottomRight, const Pen& pen) {
  body_ += "<rect";
  Attr("x", topLeft.x);
  Attr("y", topLeft.y);
  Attr("width", std::max(bottomRight.x - topLeft.x, 0.0));
  Attr("height", std::max(bottomRight.y - topLeft.y, 0.0));
  Stroke(pen);
  body_ += "/>\n";
}

void SvgSurface::FillRect(PointD topLeft, PointD bottomRight, int colour) {
  const double left = std::min(topLeft.x, bottomRight.x), right = std::max(topLeft.x, bottomRight.x);
  const double top = std::min(topLeft.y, bottomRight.y), bottom = std::max(topLeft.y, bottomRight.y);
  body_ += "<rect";
  Attr("x", left);
  Attr("y", top);
  Attr("width", right - left);
  Attr("height", bottom - top);
  body_ += " fill=\"" + SvgColour(colour) + "\"/>\n";
}

void SvgSurface::Text(PointD at, std::string_view text, const Font& font, int colour, HAlign h, VAlign v) {
  // Vertical alignment by moving the baseline (viewers differ in their support
  // of baseline attributes): ascent about 0.8 and descent 0.2 of the height.
  const double size = std::max(font.height, 1);
  const double shift = v == VAlign::Top      ? 0.8 * size
                       : v == VAlign::Middle ? 0.3 * size
                       : v == VAlign::Bottom ? -0.2 * size
                                             : 0;
  body_ += "<text";
  Attr("x", at.x);
  Attr("y", at.y + shift);
  FontAttributes(font, colour);
  if (h == HAlign::Centre) body_ += " text-anchor=\"middle\"";
  if (h == HAlign::Right) body_ += " text-anchor=\"end\"";
  body_ += " xml:space=\"preserve\">" + XmlEscape(text) + "</text>\n";
}

void SvgSurface::FontAttributes(const Font& font, int colour) {
  body_ += " font-family=\"'" + XmlEscape(font.family) + "', serif\" font-size=\"" +
           std::to_string(std::max(font.height, 1)) + "\" fill=\"" + SvgColour(colour) + "\"";
}

void SvgSurface::VerticalText(PointD centre, std::string_view text, const Font& font, int colour) {
  // Written horizontally centred on the point, then turned a quarter left about it.
  const double baseline = centre.y + 0.3 * std::max(font.height, 1);
  body_ += "<text";
  Attr("x", centre.x);
  Attr("y", baseline);
  body_ += " transform=\"rotate(-90 ";
  Number(centre.x);
  body_ += ' ';
  Number(centre.y);
  body_ += ")\"";
  FontAttributes(font, colour);
  body_ += " text-anchor=\"middle\" xml:space=\"preserve\">" + XmlEscape(text) + "</text>\n";
}

void SvgSurface::FillPolygon(const std::vector<PointD>& points, int colour, double opacity) {
  if (points.size() < 3) return;
  body_ += "<polygon points=\"";
  PointList(points);
  char alpha[16];
  std::snprintf(alpha, sizeof alpha, "%.2f", std::clamp(opacity, 0.0, 1.0));
  body_ += "\" fill=\"" + SvgColour(colour) + "\" fill-opacity=\"" + alpha + "\"/>\n";
}

std::string SvgSurface::Document() const {
  std::string doc = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width_) +
                    "\" height=\"" + std::to_string(height_) + "\" viewBox=\"0 0 " + std::to_string(width_) +
                    " " + std::to_string(height_) + "\">\n";
  doc += body_;
  if (inGroup_) doc += "</g>\n";
  doc += "</svg>\n";
  return doc;
}

}  // namespace kora
