#include "arma/specify_model_dialog.h"

#include <algorithm>

#include "arma/model_acvf.h"
#include "report/number_format.h"
#include "report/number_parse.h"
#include "transform/placed_control.h"

namespace kora {

using platform::Control;
using platform::kIdCancel;
using platform::kIdOk;

namespace {

constexpr const char* kOrderCaption = "KORA::ERROR";
constexpr const char* kValueCaption = "KORA Error";
constexpr int kMinImpulseTerms = 50;
constexpr int kListDigits = 5;

std::string Coefficient(double value) { return FormatSignificant(value, kListDigits); }

}  // namespace

struct SpecifyModelDialog::Group {
  int orderField, list, label, valueField;
  const char* prefix;
  const char* orderMessage;
  int* order;
  std::array<double, kMaxCoefficients>* values;
  int* index;
};

SpecifyModelDialog::Group SpecifyModelDialog::ArGroup() {
  return {kArOrderField,           kArList,           kArValueLabel, kArValueField, "Phi(",
          "AR Order must be < 27", &working_.arOrder, &working_.phi, &arIndex_};
}

SpecifyModelDialog::Group SpecifyModelDialog::MaGroup() {
  return {kMaOrderField,           kMaList,           kMaValueLabel,   kMaValueField, "Theta(",
          "MA Order must be < 27", &working_.maOrder, &working_.theta, &maIndex_};
}

SpecifyModelDialog::SpecifyModelDialog(const ArmaModel& model) : Dialog("Specify Model"), working_(model) {
  using namespace platform;
  width = 330;
  height = 220;
  if (!working_.fractional) {
    working_.fractionalD = 0.0;
    working_.impulseTerms = kMinImpulseTerms;
  }
  Add(Placed(EditField(kArOrderField, " AR order:", FormatInteger(working_.arOrder)), 8, 8, 30, 12));
  Add(Placed(ListBox(kArList, "Autoregressive Parameters", {}, -1), 8, 26, 150, 80));
  Add(Placed(StaticText(kArValueLabel, "Phi(1) = "), 8, 110, 50, 10));
  Add(Placed(EditField(kArValueField, "", ""), 60, 110, 90, 12));
  Add(Placed(EditField(kMaOrderField, "MA order:", FormatInteger(working_.maOrder)), 170, 8, 30, 12));
  Add(Placed(ListBox(kMaList, "Moving Average Parameters", {}, -1), 170, 26, 150, 80));
  Add(Placed(StaticText(kMaValueLabel, "Theta(1) = "), 170, 110, 50, 10));
  Add(Placed(EditField(kMaValueField, "", ""), 222, 110, 90, 12));
  Add(Placed(EditField(kVarianceField, "White Noise Variance", FormatFixed(working_.whiteNoiseVariance, 5)),
             8, 130, 90, 12));
  Add(Placed(CheckBox(kFractionalCheck, "Fractionally integrated model", working_.fractional), 8, 148, 140,
             10));
  Add(Placed(EditField(kFractionalDField, "d = ", FormatFixed(working_.fractionalD, 3)), 150, 148, 40, 12));
  Add(Placed(EditField(kImpulseTermsField, "M = ", FormatInteger(working_.impulseTerms)), 200, 148, 40, 12));
  Add(Placed(
      StaticText(0, "(M is the # of terms in the ARMA impulse response used to calculate the model ACF.) "),
      8, 164, 310, 10));
  Add(Placed(PushButton(kCausalInvertibleButton, "Causal/Invertible"), 8, 180, 70, 14));
  Add(Placed(StaticText(kInvertibleText, ""), 84, 180, 60, 10));
  Add(Placed(StaticText(kCausalText, ""), 150, 180, 60, 10));
  Add(Placed(PushButton(kIdOk, "OK"), 210, 200, 50, 14));
  Add(Placed(PushButton(kIdCancel, "Cancel"), 266, 200, 50, 14));
  for (const Group& group : {ArGroup(), MaGroup()}) {
    RebuildList(group);
    ShowCurrent(group);
  }
  EnableFractional();
}

void SpecifyModelDialog::RebuildList(const Group& group) {
  Control& list = At(group.list);
  list.items.clear();
  for (int i = 1; i <= *group.order; ++i)
    list.items.push_back(group.prefix + FormatInteger(i) + ") = " + Coefficient((*group.values)[i - 1]));
  *group.index = std::clamp(*group.index, 1, std::max(*group.order, 1));
  const bool any = *group.order > 0;
  list.selected = any ? *group.index - 1 : -1;
  list.enabled = At(group.label).enabled = At(group.valueField).enabled = any;
  Touch();
}

void SpecifyModelDialog::ShowCurrent(const Group& group) {
  const int i = *group.index;
  At(group.label).label = group.prefix + FormatInteger(i) + ") = ";
  At(group.valueField).text = *group.order > 0 ? Coefficient((*group.values)[i - 1]) : "";
  At(group.list).selected = *group.order > 0 ? i - 1 : -1;
  Touch();
}

void SpecifyModelDialog::OrderChanged(const Group& group) {
  Control& field = At(group.orderField);
  const std::optional<int> order = ReadFirstInteger(field.text);
  if (order && *order >= 0 && *order <= kMaxCoefficients) {
    *group.order = *order;
    RebuildList(group);
    ShowCurrent(group);
    return;
  }
  if (order && *order > kMaxCoefficients) platform->Message(kOrderCaption, group.orderMessage);
  field.text = FormatInteger(*group.order);  // the previous order stays in force
  Touch();
}

void SpecifyModelDialog::StoreValue(const Group& group) {
  if (*group.order < 1) return;
  if (const std::optional<double> value = ReadFirstNumber(At(group.valueField).text)) {
    (*group.values)[*group.index - 1] = *value;
    RebuildList(group);
  }
}

void SpecifyModelDialog::Advance(const Group& group) {
  if (*group.order < 1) return;
  *group.index = *group.index % *group.order + 1;
  ShowCurrent(group);
}

void SpecifyModelDialog::OnChange(int id) {
  // A valid variance, d or M takes effect at once; a bad one is refused when the field is left.
  if (id == kVarianceField || id == kFractionalDField || id == kImpulseTermsField) {
    platform::Platform* quiet = platform;
    platform = nullptr;
    Validate(id);
    platform = quiet;
  }
  if (id == kArOrderField) OrderChanged(ArGroup());
  if (id == kMaOrderField) OrderChanged(MaGroup());
  if (id == kArValueField) StoreValue(ArGroup());
  if (id == kMaValueField) StoreValue(MaGroup());
}

void SpecifyModelDialog::OnSelect(int id) {
  if (id != kArList && id != kMaList) return;
  const Group group = id == kArList ? ArGroup() : MaGroup();
  *group.index = At(id).selected + 1;
  ShowCurrent(group);
  SetFocus(group.valueField);
}

void SpecifyModelDialog::Reject(int field, const std::string& text) {
  if (!platform) return;  // checking quietly while the text changes
  platform->Message(kValueCaption, text);
  SetFocus(field);
  Touch();
}

bool SpecifyModelDialog::Validate(int id) {
  if (id == kVarianceField) {
    const double value = ParseNumber(At(id).text);
    if (!(value > 0)) {
      Reject(id, "Variance must be positive");
      return false;
    }
    working_.whiteNoiseVariance = value;
  } else if (id == kFractionalDField && At(id).enabled) {
    const double value = ParseNumber(At(id).text);
    if (!(value > -0.5 && value < 0.5)) {
      Reject(id, "d must be between -.5 and .5");
      return false;
    }
    working_.fractionalD = value;
  } else if (id == kImpulseTermsField && At(id).enabled) {
    const std::optional<int> value = ReadFirstInteger(At(id).text);
    if (!value || *value < kMinImpulseTerms) {
      Reject(id, "M must be at least 50.");
      return false;
    }
    working_.impulseTerms = *value;
  }
  return true;
}

void SpecifyModelDialog::OnLoseFocus(int id) { Validate(id); }

void SpecifyModelDialog::EnableFractional() {
  const bool on = At(kFractionalCheck).checked;
  working_.fractional = on;
  if (!on) working_.fractionalD = 0.0;
  At(kFractionalDField).enabled = At(kImpulseTermsField).enabled = on;
  At(kFractionalDField).text = FormatFixed(working_.fractionalD, 3);
  At(kImpulseTermsField).text = FormatInteger(working_.impulseTerms);
  Touch();
}

void SpecifyModelDialog::Finish() {
  for (int field : {kVarianceField, kFractionalDField, kImpulseTermsField})
    if (!Validate(field)) return;
  if (working_.fractional && !IsInvertible(working_)) {
    Reject(kMaValueField, "Model is not invertible");
    return;
  }
  if (!IsCausal(working_)) {
    Reject(kArValueField, "Model is not causal");
    return;
  }
  for (int j = working_.arOrder; j < kMaxCoefficients; ++j) working_.phi[j] = 0.0;
  for (int j = working_.maOrder; j < kMaxCoefficients; ++j) working_.theta[j] = 0.0;
  RebuildFreeParameters(working_);  // a coefficient entered as 0 stays fixed
  End(kIdOk);
}

void SpecifyModelDialog::OnCommand(int id) {
  switch (id) {
    case kFractionalCheck:
      EnableFractional();
      return;
    case kCausalInvertibleButton:
      At(kInvertibleText).label = IsInvertible(working_) ? "Invertible" : "Non - Invertible";
      At(kCausalText).label = IsCausal(working_) ? "Causal" : "Non - Causal";
      Touch();
      return;
    case kIdCancel:
      End(kIdCancel);
      return;
    case kIdOk:
      break;
    default:
      return;
  }
  // OK (Enter or the button) acts by where the focus is.
  switch (focus()) {
    case kIdOk:
      return Finish();
    case kIdCancel:
      return End(kIdCancel);
    case kArOrderField:
      ShowCurrent(ArGroup());
      return SetFocus(kArValueField);
    case kMaOrderField:
      ShowCurrent(MaGroup());
      return SetFocus(kMaValueField);
    case kArValueField:
      return Advance(ArGroup());
    case kMaValueField:
      return Advance(MaGroup());
    default:
      if (!Validate(focus())) return;
      SetFocus(kMaValueField);
      StoreValue(MaGroup());
      Touch();
  }
}

bool SpecifyModel(platform::Platform& ui, UnivariateProject& project) {
  SpecifyModelDialog dialog(project.model);
  if (ui.RunDialog(dialog) != kIdOk) return false;
  const ArmaModel& working = dialog.working();
  ArmaModel& model = project.model;
  model.arOrder = working.arOrder;
  model.maOrder = working.maOrder;
  model.phi = working.phi;
  model.theta = working.theta;
  model.whiteNoiseVariance = working.whiteNoiseVariance;
  model.fractional = working.fractional;
  model.fractionalD = working.fractionalD;
  model.impulseTerms = working.impulseTerms;
  model.freeParamCount = working.freeParamCount;
  model.freeParamList = working.freeParamList;
  model.multRelationCount = 0;
  model.multRelationTarget = working.multRelationTarget;
  model.multRelationFactor1 = working.multRelationFactor1;
  model.multRelationFactor2 = working.multRelationFactor2;
  return true;
}

}  // namespace kora
