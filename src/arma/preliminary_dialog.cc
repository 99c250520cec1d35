#include "arma/preliminary_dialog.h"

#include "arma/estimation_settings.h"
#include "platform/platform.h"
#include "report/number_format.h"
#include "report/number_parse.h"

namespace kora {

namespace {

constexpr int kArOrderField = 1101;
constexpr int kMaOrderField = 1102;
constexpr int kYuleWalkerButton = 1105;
constexpr int kBurgButton = 1106;
constexpr int kMinAiccBox = 1107;
constexpr int kHannanRissanenButton = 1108;
constexpr int kInnovationsButton = 1109;
constexpr int kCountField = 1111;
// The four estimators are one choice: the fit runs one method.
constexpr int kMethodGroup = 1;

}  // namespace

PreliminaryDialog::PreliminaryDialog(int p, int q, int previousMethod) : Dialog("Preliminary Estimation") {
  using namespace platform;
  Add(EditField(kArOrderField, "AR order:", FormatInteger(p)));
  Add(EditField(kMaOrderField, "MA order:", FormatInteger(q)));
  Add(RadioButton(kYuleWalkerButton, "Yule-Walker", kMethodGroup, false));
  Add(RadioButton(kBurgButton, "Burg", kMethodGroup, false));
  Add(CheckBox(kMinAiccBox, "Find AR model with min AICC", false));
  Add(RadioButton(kHannanRissanenButton, "Hannan-Rissanen", kMethodGroup, false));
  Add(RadioButton(kInnovationsButton, "Innovations", kMethodGroup, false));
  Add(EditField(kCountField, "Number of ACVF's used. (Enter 0 for auto-selection.)", "0"));
  Add(PushButton(kIdOk, "OK"));
  Add(PushButton(kIdCancel, "Cancel"));
  // The previous choice is kept where the orders allow it.
  if (previousMethod == kBurg || previousMethod == kBurgMinAicc) Set(kBurgButton, true);
  if (previousMethod == kHannanRissanen) Set(kHannanRissanenButton, true);
  if (q == 0) {
    Set(kHannanRissanenButton, false);
    if (!Checked(kBurgButton)) Set(kYuleWalkerButton, true);
  } else if (p == 0) {
    Set(kYuleWalkerButton, false);
    Set(kBurgButton, false);
    if (!Checked(kHannanRissanenButton)) Set(kInnovationsButton, true);
  } else {
    Set(kBurgButton, false);
    Set(kHannanRissanenButton, false);
  }
  EnableCount(Checked(kInnovationsButton));
  SetFocus(kArOrderField);
}

void PreliminaryDialog::EnableCount(bool on) { At(kCountField).enabled = on; }

void PreliminaryDialog::Set(int id, bool on) {
  if (on && At(id).type == platform::ControlType::Radio)
    for (auto& c : controls_)
      if (c.type == platform::ControlType::Radio) c.checked = false;
  At(id).checked = on;
}

bool PreliminaryDialog::ReadOrder(int id, int& order) {
  const auto value = ReadFirstInteger(At(id).text);
  if (value && *value >= 0 && *value <= kMaxCoefficients) {
    order = *value;
    return true;
  }
  platform->Message("ERROR",
                    id == kArOrderField ? " p must be between 0 and 27" : " q must be between 0 and 27");
  SetFocus(id);
  return false;
}

void PreliminaryDialog::ApplyOrderRules() {
  int p = 0, q = 0;
  if (!ReadOrder(kArOrderField, p) || !ReadOrder(kMaOrderField, q)) return;
  if (q == 0) {
    if (!Checked(kBurgButton)) Set(kYuleWalkerButton, true);
    EnableCount(false);
  } else if (p == 0) {
    Set(kYuleWalkerButton, false);
    Set(kBurgButton, false);
    Set(kMinAiccBox, false);
    if (!Checked(kHannanRissanenButton)) {
      Set(kInnovationsButton, true);
      EnableCount(true);
      At(kCountField).text = "0";
    }
  }
  Touch();
}

void PreliminaryDialog::OnChange(int id) {
  if (id == kArOrderField || id == kMaOrderField) ApplyOrderRules();
}

void PreliminaryDialog::OnCommand(int id) {
  switch (id) {
    case kInnovationsButton:
      EnableCount(true);
      ApplyOrderRules();
      return;
    case kYuleWalkerButton:
    case kBurgButton:
    case kHannanRissanenButton:
      EnableCount(false);
      return;
    case kMinAiccBox:
      if (Checked(kMinAiccBox)) {
        if (!Checked(kBurgButton)) Set(kYuleWalkerButton, true);
        Set(kHannanRissanenButton, false);
        Set(kInnovationsButton, false);
        EnableCount(false);
      }
      return;
    case platform::kIdCancel:
      End(platform::kIdCancel);
      return;
    case platform::kIdOk:
      break;
    default:
      return;
  }
  int p = 0, q = 0;
  if (!ReadOrder(kArOrderField, p) || !ReadOrder(kMaOrderField, q)) return;
  const bool minAicc = Checked(kMinAiccBox);
  const bool arChoice = Checked(kYuleWalkerButton) || Checked(kBurgButton);
  const bool armaChoice = Checked(kHannanRissanenButton) || Checked(kInnovationsButton);
  const char* problem = nullptr;
  if (!minAicc && p == 0 && q == 0)
    problem = " p and q must be between 0 and 27";
  else if (q == 0 && !arChoice)
    problem = " q=0 select an AR method box";
  else if (q >= 1 && !armaChoice)
    problem = " Select an ARMA method box";
  if (problem) {
    platform->Message("ERROR", problem);
    return;
  }
  int method = 0;
  if (Checked(kYuleWalkerButton)) method = minAicc ? kYuleWalkerMinAicc : kYuleWalker;
  if (Checked(kBurgButton)) method = minAicc ? kBurgMinAicc : kBurg;
  if (Checked(kInnovationsButton)) method = kInnovations;
  if (Checked(kHannanRissanenButton)) method = kHannanRissanen;
  const auto count = ReadFirstInteger(At(kCountField).text);
  request_ = PreliminaryRequest{p, q, method, count.value_or(0)};
  End(platform::kIdOk);
}

}  // namespace kora
