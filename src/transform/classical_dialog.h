// "Classical Decomposition": seasonal fit or harmonic regression, and a
// polynomial trend; Show Fit previews the step with its fit window, OK
// applies it, Cancel takes back what the dialog applied. Only the last
// attempt stays on the stack.
//
// Control ids: 1700 check "Seasonal Fit", 1701 edit "Enter Period: ", 1702
// check "Harmonic Regression", 1703 edit "Number of Harmonics ( < 5): ",
// 1704..1707 index edits "1)".."4)", 1708 their group, 1709 check
// "Polynomial Fit", 1710 radio "Linear Trend", 1711 radio "Quadratic Trend",
// 1712 "Show  Fit", 1713 "Tile Windows", 1 OK, 2 Cancel.
#pragma once

#include <functional>
#include <optional>

#include "platform/dialog.h"
#include "project/univariate_project.h"
#include "transform/classical.h"

namespace kora {

inline constexpr int kClassicalSeasonalCheck = 1700;
inline constexpr int kClassicalPeriodField = 1701;
inline constexpr int kClassicalHarmonicCheck = 1702;
inline constexpr int kClassicalHarmonicCountField = 1703;
inline constexpr int kClassicalIndexField1 = 1704;  // .. 1707
inline constexpr int kClassicalPolynomialCheck = 1709;
inline constexpr int kClassicalLinearRadio = 1710;
inline constexpr int kClassicalQuadraticRadio = 1711;
inline constexpr int kClassicalShowFit = 1712;
inline constexpr int kClassicalTile = 1713;

class ClassicalDialog : public platform::Dialog {
 public:
  // `refresh` brings the views and menus up to date after the stack changed.
  ClassicalDialog(UnivariateProject& project, std::function<void()> refresh);

  void OnCommand(int id) override;
  void OnClose() override;

 private:
  void EnableFields();
  // The settings from the fields, or nothing after a validation message.
  std::optional<ClassicalSettings> ReadSpec();
  // Validates, replaces the dialog's earlier step and pushes the new one.
  bool Apply(bool showFit);
  void Reject(int field, const std::string& text);
  void TakeBack();

  UnivariateProject& project_;
  std::function<void()> refresh_;
  bool pushed_ = false;  // a step of this dialog is on top of the stack
};

}  // namespace kora
