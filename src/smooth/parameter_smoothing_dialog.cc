#include "smooth/parameter_smoothing_dialog.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/platform.h"
#include "report/number_format.h"
#include "report/number_parse.h"
#include "transform/placed_control.h"

namespace kora {

using platform::kIdCancel;
using platform::kIdOk;

namespace {

constexpr int kFirstPosition = 1;
constexpr int kLastPosition = 11;

int SliderPosition(double parameter) {
  if (parameter == -1.0) return kFirstPosition;
  return std::clamp(static_cast<int>(std::floor(10.0 * parameter + 0.5)) + 1, kFirstPosition, kLastPosition);
}

}  // namespace

ParameterDialogText ExponentialDialogText() {
  return {"Exponential Smoothing",
          "Enter the exponential smoothing parameter. Enter the value -1 for an optimal value to be calculated.",
          "Alpha = ", "Exp. smooth parameter must be in [0.0, 1.0] or -1", true};
}

ParameterDialogText FourierDialogText() {
  return {"FFT Smoothing",
          "You must specify the proportion of the spectrum which is to be set equal to 0.  A low pass filter is "
          "used with cutoff at frequency   [pi f].",
          "f  =  ", "FFT smooth parameter must be in [0.0, 1.0]", false};
}

ParameterSmoothingDialog::ParameterSmoothingDialog(const ParameterDialogText& text, double& parameter,
                                                   std::function<void()> apply)
    : Dialog(text.title), text_(text), parameter_(parameter), apply_(std::move(apply)) {
  width = 220;
  height = 110;
  Add(Placed(platform::StaticText(kSmoothingText, text.explanation), 8, 6, 204, 30));
  Add(Placed(platform::EditField(kSmoothingField, text.fieldLabel, FormatFixed(parameter, 2)), 90, 40, 50, 12));
  Add(Placed(platform::Slider(kSmoothingSlider, "parameter", kFirstPosition, kLastPosition,
                              SliderPosition(parameter)),
             30, 58, 160, 16));
  Add(Placed(platform::StaticText(1503, "0.0"), 20, 76, 20, 10));
  Add(Placed(platform::StaticText(1504, "1.0"), 185, 76, 20, 10));
  Add(Placed(platform::PushButton(kIdOk, "OK"), 40, 92, 50, 14));
  Add(Placed(platform::PushButton(kIdCancel, "Cancel"), 130, 92, 50, 14));
}

void ParameterSmoothingDialog::Apply() {
  apply_();
  At(kSmoothingField).text = FormatFixed(parameter_, 2);
  At(kSmoothingSlider).sliderPos = SliderPosition(parameter_);
  edited_ = false;
  Touch();
}

void ParameterSmoothingDialog::OnSlider(int id) {
  if (id != kSmoothingSlider) return;
  parameter_ = 0.1 * (At(kSmoothingSlider).sliderPos - 1);
  Apply();
}

void ParameterSmoothingDialog::OnChange(int id) {
  if (id == kSmoothingField) edited_ = true;
}

void ParameterSmoothingDialog::OnLoseFocus(int id) {
  if (id != kSmoothingField || !edited_) return;
  const std::optional<double> value = ReadFirstNumber(At(kSmoothingField).text);
  if (!value) return;  // not a number: ignored
  const bool optimal = text_.optimalAllowed && *value == -1.0;
  if (!optimal && !(*value >= 0.0 && *value <= 1.0)) {
    platform->Message("KORA::Tarn Error", text_.rangeMessage);
    SetFocus(kSmoothingField);
    Touch();
    return;
  }
  parameter_ = *value;
  Apply();
}

void ParameterSmoothingDialog::OnCommand(int id) {
  if (id == kIdOk && focus() == kSmoothingField) {
    // Enter in the field moves the focus to OK, which reads the field.
    SetFocus(kIdOk);
    Touch();
    OnLoseFocus(kSmoothingField);
    return;
  }
  if (id == kIdOk || id == kIdCancel) End(id);
}

}  // namespace kora
