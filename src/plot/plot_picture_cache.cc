#include "plot/plot_picture_cache.h"

#include <cstring>
#include <string_view>

#include "plot/painter.h"
#include "plot/svg_surface.h"

namespace kora {

namespace {

// Word-at-a-time mixing: fast enough to key a plot of 10^6 points on every
// snapshot, and any change of a value changes the key.
class KeyBuilder {
 public:
  void AddWord(uint64_t word) {
    hash_ ^= word + 0x9e3779b97f4a7c15ULL + (hash_ << 6) + (hash_ >> 2);
    hash_ *= 0xff51afd7ed558ccdULL;
  }
  void Add(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    AddWord(bits);
  }
  void Add(int value) { AddWord(static_cast<uint64_t>(static_cast<uint32_t>(value)) | (uint64_t{1} << 40)); }
  void Add(bool value) { AddWord(value ? 3 : 5); }
  void Add(std::string_view text) {
    AddWord(text.size());
    for (char c : text) AddWord(static_cast<unsigned char>(c));
  }
  void Add(const std::vector<double>& values) {
    AddWord(values.size());
    for (double v : values) Add(v);
  }
  uint64_t hash() const { return hash_; }

 private:
  uint64_t hash_ = 0xcbf29ce484222325ULL;
};

}  // namespace

uint64_t PlotContentKey(const PlotWindow& plot, int width, int height) {
  KeyBuilder key;
  key.Add(width);
  key.Add(height);
  for (const PlotPanel& panel : plot.panels) {
    key.Add(panel.used);
    key.Add(panel.xMin), key.Add(panel.xMax), key.Add(panel.yMin), key.Add(panel.yMax);
    key.Add(panel.hasTitle);
    key.Add(std::string_view(panel.title));
  }
  for (const PlotCurve& curve : plot.curves) {
    key.Add(curve.used);
    key.Add(curve.curveKind);
    key.Add(curve.panel);
    for (int s : curve.style) key.Add(s);
    key.Add(curve.xLow), key.Add(curve.xHigh), key.Add(curve.yLow), key.Add(curve.yHigh);
    key.Add(curve.boundCount);
    key.Add(curve.xValues);
    key.Add(curve.yValues);
    key.Add(curve.yUpper);
  }
  key.Add(std::string_view(plot.xAxisTitle));
  key.Add(std::string_view(plot.yAxisTitle));
  for (const std::string& name : plot.curveNames) key.Add(std::string_view(name));
  for (int colour : Colours()) key.Add(colour);
  key.Add(BandsShown());
  return key.hash();
}

const std::string& PlotPictureCache::Picture(PlotWindow& plot, int width, int height) {
  const uint64_t key = PlotContentKey(plot, width, height);
  Entry& entry = entries_[plot.window];
  if (entry.svg.empty() || entry.key != key) {
    SvgSurface svg(width, height);
    PaintPlot(plot, svg, WindowPaintRect(width, height), 0, true);
    entry = {key, svg.Document()};
    ++paintings_;
  } else {
    ComputePlotScales(plot, WindowPaintRect(width, height), 0);
  }
  return entry.svg;
}

}  // namespace kora
