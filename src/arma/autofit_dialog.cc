#include "arma/autofit_dialog.h"

#include "platform/platform.h"
#include "report/number_format.h"
#include "report/number_parse.h"

namespace kora {

namespace {

constexpr int kMaxArField = 1301;
constexpr int kMaxMaField = 1302;
constexpr int kSubtractMeanBox = 1303;

}  // namespace

AutofitDialog::AutofitDialog(const AutofitRequest& initial, bool meanChoice) : Dialog("Autofit") {
  using namespace platform;
  Add(EditField(kMaxArField, "Maximum AR order p:", FormatInteger(initial.maxP)));
  Add(EditField(kMaxMaField, "Maximum MA order q:", FormatInteger(initial.maxQ)));
  Add(CheckBox(kSubtractMeanBox, "Subtract the mean first", meanChoice && initial.subtractMean));
  At(kSubtractMeanBox).enabled = meanChoice;
  Add(PushButton(kIdOk, "OK"));
  Add(PushButton(kIdCancel, "Cancel"));
  SetFocus(kMaxArField);
}

bool AutofitDialog::ReadBound(int id, int& bound) {
  const auto value = ReadFirstInteger(At(id).text);
  if (value && *value >= 0 && *value <= kAutofitMaxOrder) {
    bound = *value;
    return true;
  }
  platform->Message("ERROR", id == kMaxArField ? "Maximum AR order must be between 0 and 10"
                                               : "Maximum MA order must be between 0 and 10");
  SetFocus(id);
  Touch();
  return false;
}

void AutofitDialog::OnCommand(int id) {
  if (id != platform::kIdOk) return Dialog::OnCommand(id);
  AutofitRequest request;
  if (!ReadBound(kMaxArField, request.maxP) || !ReadBound(kMaxMaField, request.maxQ)) return;
  request.subtractMean = At(kSubtractMeanBox).checked;
  request_ = request;
  End(platform::kIdOk);
}

}  // namespace kora
