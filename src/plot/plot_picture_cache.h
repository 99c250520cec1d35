// Paintings of plot windows kept between desktop snapshots. A snapshot is
// built after every event and carries every plot window's picture; painting a
// long series again when nothing in its window changed would cost most of a
// command's answer time. The key is the plot's whole content, its size, the
// colour table and the band switch, so no caller has to say what changed.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "plot/plot_window.h"

namespace kora {

class PlotPictureCache {
 public:
  // The SVG painting of `plot` at width x height; the panels' scales are set
  // as a painting in the window sets them, whether or not it was painted now.
  const std::string& Picture(PlotWindow& plot, int width, int height);
  // Drops the paintings of windows that are no longer open.
  template <typename IsOpen>
  void Prune(IsOpen isOpen) {
    std::erase_if(entries_, [&](const auto& entry) { return !isOpen(entry.first); });
  }
  int paintings() const { return paintings_; }  // how many were painted, for tests

 private:
  struct Entry {
    uint64_t key = 0;
    std::string svg;
  };
  std::map<platform::WindowId, Entry> entries_;
  int paintings_ = 0;
};

// A hash of everything a plot's painting depends on, except the scales that
// painting itself stores.
uint64_t PlotContentKey(const PlotWindow& plot, int width, int height);

}  // namespace kora
