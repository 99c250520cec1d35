// A menu bar as data: popups by position, entries with ids, texts and
// enabled/checked states. The frame shows one of two bars.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kora {

struct MenuItem {
  int id = 0;          // command id; 0 for popups and separators
  std::string text;    // empty for a separator; '&' marks the mnemonic letter
  bool enabled = true;
  bool checked = false;
  std::vector<MenuItem> children;  // non-empty for a popup
  std::string shortcut;            // the accelerator key shown beside the entry, e.g. "Ctrl+O"

  bool IsPopup() const { return !children.empty(); }
  bool IsSeparator() const { return id == 0 && text.empty(); }
};

struct MenuBar {
  std::vector<MenuItem> popups;  // top-level popups by position

  // Every entry with the command id (an id may stand in several popups).
  void ForEach(int id, const std::function<void(MenuItem&)>& f);
  void Enable(int id, bool enabled);
  void SetText(int id, const std::string& text);
  void Check(int id, bool checked);
  void EnablePopup(int position, bool enabled) { popups.at(position).enabled = enabled; }
  const MenuItem* Find(int id) const;
  // A nested popup by its path of texts, e.g. {"Spectrum", "Cumulative Spectrum"}.
  MenuItem* FindPopup(const std::vector<std::string>& path);
};

// Popup positions of the univariate menu bar.
enum TarnPopup : int {
  kTarnFile = 0, kTarnTransform, kTarnModel, kTarnRegression, kTarnStatistics, kTarnForecasting,
  kTarnSmooth, kTarnSpectrum, kTarnPlot, kTarnWindow, kTarnHelp
};
// Popup positions of the multivariate menu bar.
enum MvPopup : int { kMvFile = 0, kMvTransform, kMvModel, kMvForecasting, kMvPlot, kMvWindow, kMvHelp };

// A menu text without its '&' mnemonic marker ("&&" stands for one '&').
std::string MenuCaption(const std::string& text);

MenuBar BuildTarnMenu();  // in its resource state
MenuBar BuildMvMenu();

}  // namespace kora
