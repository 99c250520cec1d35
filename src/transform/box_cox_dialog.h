// "Box-Cox Transformation": chooses lambda by slider (steps of 0.1) or by
// typing it, previewing every choice on the project at once.
//
// Control ids: 1066 edit "Enter parameter:", 1067 slider "lambda" (position p
// gives lambda = 0.1 p), 1068 static lower range label, 1069 static upper
// range label, 1 OK, 2 Cancel.
#pragma once

#include <functional>

#include "platform/dialog.h"
#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

inline constexpr int kBoxCoxParameterField = 1066;
inline constexpr int kBoxCoxSlider = 1067;
inline constexpr int kBoxCoxLowerLabel = 1068;
inline constexpr int kBoxCoxUpperLabel = 1069;

class BoxCoxDialog : public platform::Dialog {
 public:
  // With a zero in the series lambda must be positive (the logarithm of zero
  // is not defined), so the slider starts at 0.1 instead of 0.0.
  BoxCoxDialog(UnivariateProject& project, std::function<void()> refresh, bool zeroPresent);

  // Whether a previewed Box-Cox step is on the project now.
  bool previewed() const { return previewed_; }

  void OnCommand(int id) override;
  void OnChange(int id) override;
  void OnLoseFocus(int id) override;
  void OnSlider(int id) override;
  void OnClose() override;

 private:
  // Replaces the previewed step (if any) by one with this lambda.
  void Preview(double lambda);
  void Reject(const char* text);

  UnivariateProject& project_;
  std::function<void()> refresh_;
  bool zeroPresent_;
  bool previewed_ = false;
  int appliedPosition_;     // the slider position last previewed (the start one before any)
  bool edited_ = false;     // the user typed into the field since the dialog last wrote it
  bool okRefused_ = false;  // a click on OK lost the focus move to a rejected value
};

// Checks the series (a negative value shows "Data must be nonnegative to
// implement Box-Cox" and nothing opens), then runs the dialog. Returns whether
// a Box-Cox step remains applied when the dialog closes.
bool RunBoxCoxDialog(platform::Platform& platform, UnivariateProject& project,
                     const std::function<void()>& refresh);

}  // namespace kora
