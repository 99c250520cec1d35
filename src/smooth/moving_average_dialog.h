// "Moving Average Smooth": the filter order, the weights theta(0..q) edited
// one at a time, and Apply, which normalises the weights and smooths.
//
// Control ids: 1600 edit "Enter filter order:", 1601 list of the weights,
// 1602 the selected weight's field (labelled "Theta(j) = "), 1603 Apply, 1 OK,
// 2 Cancel.
#pragma once

#include <functional>
#include <vector>

#include "platform/dialog.h"
#include "project/univariate_project.h"

namespace kora {

inline constexpr int kMaOrderField = 1600;
inline constexpr int kMaWeightList = 1601;
inline constexpr int kMaWeightField = 1602;
inline constexpr int kMaApply = 1603;
inline constexpr int kMaxMaOrder = 99;

class MovingAverageDialog : public platform::Dialog {
 public:
  // `apply` smooths with the project's stored weights and redraws.
  MovingAverageDialog(UnivariateProject& project, std::function<void()> apply);

  void OnCommand(int id) override;
  void OnLoseFocus(int id) override;
  void OnSelect(int id) override;

 private:
  void ShowWeights(int selected);  // rebuilds the list and the field for one line
  void ReadOrder();
  void ReadWeight();
  void Apply();

  UnivariateProject& project_;
  std::function<void()> apply_;
  std::vector<double> theta_;  // as typed, not yet normalised
};

}  // namespace kora
