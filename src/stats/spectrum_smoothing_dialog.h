// "Spectrum smoothing": the cascade of Daniell filters applied to the
// periodogram in the spectrum window, previewed by Apply.
//
// Control ids: 1200 edit "Number of Daniell filters:", 1201 drop-down list of
// the filters, 1202 edit "Order of filter:", 1203 the weights picture (group
// 1204 "Daniell filter defintion"), 1205 the largest weight, 1206 and 1207 the
// range labels -(h+1) and h+1, 1208 Apply, 1 OK, 2 Cancel.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "platform/dialog.h"
#include "project/univariate_project.h"

namespace kora {

inline constexpr int kDaniellCountField = 1200;
inline constexpr int kDaniellFilterList = 1201;
inline constexpr int kDaniellOrderField = 1202;
inline constexpr int kDaniellPicture = 1203;
inline constexpr int kDaniellGroup = 1204;
inline constexpr int kDaniellLargestLabel = 1205;
inline constexpr int kDaniellLowLabel = 1206;
inline constexpr int kDaniellHighLabel = 1207;
inline constexpr int kDaniellApply = 1208;
inline constexpr int kMaxDaniellFilters = 50;

// An SVG picture of the two-sided weights W(-h..h), one bar per weight.
std::string DaniellWeightsPicture(const std::vector<double>& weights, int width, int height);

class SpectrumSmoothingDialog : public platform::Dialog {
 public:
  // `redraw` puts the spectrum window (and its report) in step with the project.
  SpectrumSmoothingDialog(UnivariateProject& project, std::function<void()> redraw);

  void OnCommand(int id) override;
  void OnChange(int id) override;
  void OnLoseFocus(int id) override;
  void OnSelect(int id) override;
  void OnClose() override;

 private:
  void ShowFilters();  // list and order field for the current count
  void ShowWeights();  // weights recomputed from the orders and drawn
  void Apply();
  void Restore();
  int SelectedFilter() const;

  UnivariateProject& project_;
  std::function<void()> redraw_;
  int savedCount_;
  std::array<int, 50> savedOrders_;
  std::vector<double> savedSmoothed_;
};

}  // namespace kora
