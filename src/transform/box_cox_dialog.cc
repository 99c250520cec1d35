#include "transform/box_cox_dialog.h"

#include <algorithm>
#include <utility>

#include "report/number_format.h"
#include "report/number_parse.h"
#include "transform/placed_control.h"
#include "transform/transform_caption.h"
#include "transform/transform_ops.h"

namespace kora {

using platform::kIdCancel;
using platform::kIdOk;

namespace {

constexpr int kStartPosition = 10;  // lambda 1.0
constexpr int kTopPosition = 15;    // lambda 1.5
constexpr double kLambdaStep = 0.1;

}  // namespace

BoxCoxDialog::BoxCoxDialog(UnivariateProject& project, std::function<void()> refresh, bool zeroPresent)
    : Dialog("Box-Cox Transformation"),
      project_(project),
      refresh_(std::move(refresh)),
      zeroPresent_(zeroPresent),
      appliedPosition_(kStartPosition) {
  width = 200;
  height = 90;
  Add(Placed(platform::EditField(kBoxCoxParameterField, "Enter parameter:", "1.00"), 80, 10, 40, 12));
  Add(Placed(platform::Slider(kBoxCoxSlider, "lambda", zeroPresent ? 1 : 0, kTopPosition, kStartPosition), 30,
             30, 140, 16));
  Add(Placed(platform::StaticText(kBoxCoxLowerLabel, zeroPresent ? "0.1" : "0.0"), 20, 48, 20, 10));
  Add(Placed(platform::StaticText(kBoxCoxUpperLabel, "1.5"), 165, 48, 20, 10));
  Add(Placed(platform::PushButton(kIdOk, "OK"), 40, 66, 50, 14));
  Add(Placed(platform::PushButton(kIdCancel, "Cancel"), 110, 66, 50, 14));
}

void BoxCoxDialog::Preview(double lambda) {
  if (previewed_) UndoBoxCox(project_);
  previewed_ = PushBoxCox(project_, lambda);
  refresh_();
}

void BoxCoxDialog::OnSlider(int id) {
  if (id != kBoxCoxSlider) return;
  okRefused_ = false;
  const int position = At(kBoxCoxSlider).sliderPos;
  At(kBoxCoxParameterField).text = FormatFixed(kLambdaStep * position, 2);
  edited_ = false;
  Touch();
  if (position == appliedPosition_) return;
  appliedPosition_ = position;
  Preview(kLambdaStep * position);
}

void BoxCoxDialog::OnChange(int id) {
  if (id != kBoxCoxParameterField) return;
  edited_ = true;
  okRefused_ = false;
}

void BoxCoxDialog::Reject(const char* text) {
  // The focus returns to the field; a click on OK that took it away is
  // cancelled by the message, as on the desktop.
  okRefused_ = focus() == kIdOk;
  platform->Message(kTarnErrorCaption, text);
  SetFocus(kBoxCoxParameterField);
  Touch();
}

void BoxCoxDialog::OnLoseFocus(int id) {
  if (id != kBoxCoxParameterField) return;
  okRefused_ = false;
  // Only what the user typed is read: leaving the untouched "1.00" applies nothing.
  if (!edited_) return;
  const std::optional<double> lambda = ReadFirstNumber(At(kBoxCoxParameterField).text);
  if (!lambda) return;
  if (zeroPresent_ && !(*lambda > 0.0 && *lambda <= 1.5))
    return Reject("Box-Cox parameter must be in (0.0, 1.5]");
  if (!zeroPresent_ && !(*lambda >= 0.0 && *lambda <= 1.5))
    return Reject("Box-Cox parameter must be in [0.0, 1.5]");
  edited_ = false;
  platform::Control& slider = At(kBoxCoxSlider);
  slider.sliderPos = std::clamp(static_cast<int>(10.0 * *lambda + 0.5), slider.sliderMin, slider.sliderMax);
  appliedPosition_ = slider.sliderPos;
  Touch();
  Preview(*lambda);
}

void BoxCoxDialog::OnCommand(int id) {
  const bool clickRefused = okRefused_;
  okRefused_ = false;
  if (id == kIdOk && clickRefused) return;
  if (id == kIdOk && focus() == kBoxCoxParameterField) {
    // Enter in the field: move to the OK button, which validates the field.
    SetFocus(kIdOk);
    Touch();
    OnLoseFocus(kBoxCoxParameterField);
    okRefused_ = false;
    return;
  }
  if (id == kIdOk || id == kIdCancel) End(id);
}

void BoxCoxDialog::OnClose() {
  if (previewed_) {
    UndoBoxCox(project_);
    previewed_ = false;
    refresh_();
  }
  End(kIdCancel);
}

bool RunBoxCoxDialog(platform::Platform& platform, UnivariateProject& project,
                     const std::function<void()>& refresh) {
  bool zeroPresent = false;
  for (double x : project.series) {
    if (x < 0.0) {
      platform.Message(kTarnErrorCaption, "Data must be nonnegative to implement Box-Cox");
      return false;
    }
    if (x == 0.0) zeroPresent = true;
  }
  BoxCoxDialog dialog(project, refresh, zeroPresent);
  platform.RunDialog(dialog);
  return dialog.previewed();
}

}  // namespace kora
