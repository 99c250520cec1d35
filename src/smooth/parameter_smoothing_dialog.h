// The dialogs of exponential and FFT smoothing: one parameter in [0, 1],
// typed or chosen by a slider in steps of 0.1, applied at once.
//
// Control ids: 1500 the explanation, 1501 the parameter field, 1502 slider
// (positions 1..11 give 0.1 (p - 1)), 1503 and 1504 its labels, 1 OK, 2 Cancel.
#pragma once

#include <functional>

#include "platform/dialog.h"

namespace kora {

inline constexpr int kSmoothingText = 1500;
inline constexpr int kSmoothingField = 1501;
inline constexpr int kSmoothingSlider = 1502;

struct ParameterDialogText {
  const char* title;
  const char* explanation;
  const char* fieldLabel;
  const char* rangeMessage;  // shown for a typed value outside [0, 1]
  bool optimalAllowed;       // -1 asks for the optimal value
};

ParameterDialogText ExponentialDialogText();
ParameterDialogText FourierDialogText();

class ParameterSmoothingDialog : public platform::Dialog {
 public:
  // `apply` smooths with the current `parameter` (and may change it, as the
  // optimiser does) and redraws.
  ParameterSmoothingDialog(const ParameterDialogText& text, double& parameter, std::function<void()> apply);

  void OnCommand(int id) override;
  void OnChange(int id) override;
  void OnLoseFocus(int id) override;
  void OnSlider(int id) override;

 private:
  void Apply();

  ParameterDialogText text_;
  double& parameter_;
  std::function<void()> apply_;
  bool edited_ = false;
};

}  // namespace kora
