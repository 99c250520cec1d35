#include "forecast/arar_dialog.h"

#include "forecast/arar.h"
#include "platform/platform.h"
#include "report/number_format.h"
#include "report/number_parse.h"
#include "transform/placed_control.h"

namespace kora {

namespace {

using platform::kIdCancel;
using platform::kIdOk;

int ReadInteger(const platform::Control& field) { return ReadFirstInteger(field.text).value_or(0); }

}  // namespace

ArarDialog::ArarDialog(ArarSettings& settings, int forecastCount, int differenced, int total)
    : Dialog("ARAR Forecasting"), settings_(settings), differenced_(differenced), total_(total) {
  width = 260;
  height = 220;
  const int offset = settings.ararOriginal ? 0 : differenced;
  int first = settings.ararFirst + offset, last = settings.ararLast + offset;
  if (!settings.ararSubset || last <= first || last > total) {
    first = offset + 1;
    last = total;
  }
  using namespace platform;
  Add(Placed(EditField(kArarCountField, "Enter number of predicted values past last specified observation :",
                       FormatInteger(forecastCount < 1 ? 10 : forecastCount)),
             10, 8, 240, 12));
  Add(Placed(RadioButton(kArarComplete, "Use complete data set for prediction.", 1, !settings.ararSubset), 10,
             28, 240, 10));
  Add(Placed(RadioButton(kArarSubset, "Specify a subset of data for prediction.", 1, settings.ararSubset), 10,
             40, 240, 10));
  Add(Placed(EditField(kArarFirstField, "Enter index of first observation in subset.", FormatInteger(first)),
             20, 54, 230, 12));
  Add(Placed(EditField(kArarLastField,
                       "Enter index of last observation in subset  (total number of observations is " +
                           FormatInteger(total) + ")",
                       FormatInteger(last)),
             20, 70, 230, 12));
  Add(Placed(CheckBox(kArarShortening, "Include memory shortening step", !settings.ararNoShortening), 10, 90,
             200, 10));
  const int method = settings.ararMethod;
  Add(Placed(
      RadioButton(kArarMethod13, "Minimize WN variance (max lag = 13)", 2, method == kArarMinVariance13), 20,
      106, 200, 10));
  Add(Placed(
      RadioButton(kArarMethod26, "Minimize WN variance (max lag = 26)", 2, method == kArarMinVariance26), 20,
      118, 200, 10));
  Add(Placed(RadioButton(kArarMethodLikelihood, "Maximize Gaussian like (max lag = 13)", 2,
                         method == kArarMaxLikelihood13),
             20, 130, 200, 10));
  Add(Placed(CheckBox(kArarOriginal, "Apply to orignal (untransformed ) data.", settings.ararOriginal), 10,
             148, 200, 10));
  Add(Placed(PushButton(kIdOk, "OK"), 60, 170, 50, 14));
  Add(Placed(PushButton(kIdCancel, "Cancel"), 150, 170, 50, 14));
  EnableFields();
  SetFocus(kArarCountField);
}

void ArarDialog::EnableFields() {
  const bool subset = At(kArarSubset).checked;
  At(kArarFirstField).enabled = subset;
  At(kArarLastField).enabled = subset;
  const int last = subset ? ReadInteger(At(kArarLastField)) : total_;
  At(kArarCountField).label = "Enter number of predicted values past observation" + FormatInteger(last);
  Touch();
}

void ArarDialog::OnChange(int id) {
  if (id == kArarLastField) EnableFields();
}

void ArarDialog::OnCommand(int id) {
  if (id == kArarComplete || id == kArarSubset) return EnableFields();
  if (id == kIdOk) {
    if (Validate()) End(kIdOk);
    return;
  }
  Dialog::OnCommand(id);
}

bool ArarDialog::Reject(int field, const char* text) {
  platform->Message("ERROR", text);
  SetFocus(field);
  Touch();
  return false;
}

bool ArarDialog::Validate() {
  const int count = ReadInteger(At(kArarCountField));
  if (count < 1) return Reject(kArarCountField, "Number of predictors MUST be greater than 0");
  const bool original = At(kArarOriginal).checked;
  const int offset = original ? 0 : differenced_;
  bool subset = At(kArarSubset).checked;
  int first = offset + 1, last = total_;
  if (subset) {
    first = ReadInteger(At(kArarFirstField));
    last = ReadInteger(At(kArarLastField));
    if (original && first <= 0) return Reject(kArarFirstField, "Starting point MUST be greater than 0");
    if (!original && first <= differenced_)
      return Reject(kArarFirstField, "Starting point MUST be greater than number of lags differenced");
  }
  if (last - first + 1 < kArarMinObservations)
    return Reject(subset ? kArarLastField : kArarCountField, "Need at least 30 observations to run ARAR");
  if (last > total_) return Reject(kArarLastField, "Final point must be less than number of obs.");
  // The whole range is the complete data set again.
  if (subset && first - offset == 1 && last == total_) {
    subset = false;
    At(kArarSubset).checked = false;
    At(kArarComplete).checked = true;
  }
  settings_.ararCount = count;
  settings_.ararSubset = subset;
  settings_.ararOriginal = original;
  settings_.ararNoShortening = !At(kArarShortening).checked;
  settings_.ararMethod = At(kArarMethod26).checked           ? kArarMinVariance26
                         : At(kArarMethodLikelihood).checked ? kArarMaxLikelihood13
                                                             : kArarMinVariance13;
  settings_.ararFirst = first - offset;
  settings_.ararLast = last - offset;
  return true;
}

}  // namespace kora
