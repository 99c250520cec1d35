// "Regression Trend Function": the polynomial order, the harmonics with their
// Fourier indices, the intercept and the auxiliary-variables box. Each field
// is checked when it loses the focus; OK closes only from the OK button.
//
// Control ids: 1234 polynomial check, 1235 order; 1079 harmonic check, 1080
// count, 1082 1085 1086 1087 indices; 1232 intercept; 1233 auxiliary; 1 OK, 2 Cancel.
#pragma once

#include <array>

#include "platform/dialog.h"
#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

inline constexpr int kPolynomialBox = 1234;
inline constexpr int kPolynomialOrderField = 1235;
inline constexpr int kHarmonicBox = 1079;
inline constexpr int kHarmonicCountField = 1080;
inline constexpr std::array<int, 4> kFourierIndexFields = {1082, 1085, 1086, 1087};
inline constexpr int kInterceptBox = 1232;
inline constexpr int kAuxiliaryBox = 1233;

class RegressionDialog : public platform::Dialog {
 public:
  // n: the number of observations, the largest Fourier index.
  RegressionDialog(const RegressionTrend& trend, int n);
  void OnCommand(int id) override;
  void OnLoseFocus(int id) override;

  // The settings as the dialog leaves them (after OK or Cancel).
  RegressionTrend settings;

 private:
  bool Validate(int id);  // false after a message (focus back on the field)
  int n_;
};

// Runs the dialog and stores its settings into the trend (Cancel leaves no
// regressors). Returns whether it ended with OK.
bool RunRegressionDialog(platform::Platform& ui, UnivariateProject& project);

}  // namespace kora
