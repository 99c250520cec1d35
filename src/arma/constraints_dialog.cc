#include "arma/constraints_dialog.h"

#include <algorithm>

#include "arma/model_acvf.h"
#include "platform/platform.h"
#include "report/number_format.h"
#include "report/number_parse.h"

namespace kora {

namespace {

constexpr int kArList = 1015;
constexpr int kMaList = 1016;
constexpr int kNoneButton = 1124;
constexpr int kAllZeroButton = 1125;
constexpr int kAllNonZeroButton = 1126;
constexpr int kArOrderText = 1127;
constexpr int kMaOrderText = 1128;
constexpr int kFactor1Field = 1130;
constexpr int kFactor2Field = 1131;
constexpr int kTargetField = 1132;
constexpr int kRelationCountField = 1133;
constexpr int kRelationCombo = 1139;
constexpr int kArGroupButton = 1141;
constexpr int kMaGroupButton = 1142;
constexpr int kSetToZeroButton = 1143;
constexpr int kRelationGroup = 1;

const char* kErrorCaption = "KORA::ERROR";

}  // namespace

ConstraintsDialog::ConstraintsDialog(ArmaModel& model) : Dialog("Constrain Optimization"), model_(model) {
  using namespace platform;
  const int p = model.arOrder, q = model.maOrder;
  coefficients_ = CombinedCoefficients(model);
  fixed_.assign(p + q, true);
  for (int i = 0; i < model.freeParamCount + model.multRelationCount && i < kMaxCombined; ++i) {
    const int index = model.freeParamList[i];
    if (index >= 1 && index <= p + q) fixed_[index - 1] = false;
  }
  relationCount_ = model.multRelationCount;
  for (int i = 0; i < relationCount_; ++i) {
    Relation& r = relations_[i];
    r.ma = model.multRelationTarget[i] > p;
    const int shift = r.ma ? p : 0;
    r.factor1 = model.multRelationFactor1[i] - shift;
    r.factor2 = model.multRelationFactor2[i] - shift;
    r.target = model.multRelationTarget[i] - shift;
  }
  Add(StaticText(kArOrderText, "AR Order = " + FormatInteger(p)));
  Add(StaticText(kMaOrderText, "MA Order = " + FormatInteger(q)));
  Add(StaticText(0, "Select coeffecients to fix during optimization"));
  Add(ListBox(kArList, "Phi", {}, -1));
  Add(ListBox(kMaList, "Theta", {}, -1));
  Add(PushButton(kNoneButton, "None"));
  Add(PushButton(kAllNonZeroButton, "All non-zero"));
  Add(PushButton(kAllZeroButton, "All zero"));
  Add(PushButton(kSetToZeroButton, "Set to zero"));
  Add(EditField(kRelationCountField, "Number of relations ( < 7) :", FormatInteger(relationCount_)));
  Control combo;
  combo.id = kRelationCombo;
  combo.type = ControlType::Combo;
  combo.label = "Relation";
  Add(combo);
  Add(EditField(kFactor1Field, ":", "0"));
  Add(EditField(kFactor2Field, "x", "0"));
  Add(EditField(kTargetField, "=", "0"));
  Add(RadioButton(kArGroupButton, "AR", kRelationGroup, true));
  Add(RadioButton(kMaGroupButton, "MA", kRelationGroup, false));
  Add(PushButton(kIdOk, "OK"));
  Add(PushButton(kIdCancel, "Cancel"));
  At(kArList).enabled = p > 0;
  At(kMaList).enabled = q > 0;
  FillLists();
  ShowRelationCount();
}

void ConstraintsDialog::FillLists() {
  const int p = model_.arOrder, q = model_.maOrder;
  // Lists are multiple-selection: choosing a line toggles whether it is fixed
  // (kept in fixed_).
  auto fill = [&](int id, const char* name, int from, int count) {
    platform::Control& list = At(id);
    list.items.clear();
    for (int i = 1; i <= count; ++i)
      list.items.push_back(std::string(name) + "(" + FormatInteger(i) +
                           ") = " + FormatSignificant(coefficients_[from + i - 1], 5));
  };
  fill(kArList, "Phi", 0, p);
  fill(kMaList, "Theta", p, q);
  Touch();
}

void ConstraintsDialog::ShowRelationCount() {
  platform::Control& combo = At(kRelationCombo);
  combo.items.clear();
  const bool any = relationCount_ > 0;
  if (!any) {
    combo.items.push_back("None");
  } else {
    for (int i = 1; i <= relationCount_; ++i) combo.items.push_back(FormatInteger(i));
  }
  if (current_ >= relationCount_) current_ = 0;
  combo.selected = 0;
  combo.text = combo.items[0];
  combo.enabled = any;
  for (int id : {kFactor1Field, kFactor2Field, kTargetField, kArGroupButton, kMaGroupButton})
    At(id).enabled = any;
  LoadRelation();
}

void ConstraintsDialog::LoadRelation() {
  const Relation& r = relations_[current_];
  At(kFactor1Field).text = FormatInteger(r.factor1);
  At(kFactor2Field).text = FormatInteger(r.factor2);
  At(kTargetField).text = FormatInteger(r.target);
  At(kArGroupButton).checked = !r.ma;
  At(kMaGroupButton).checked = r.ma;
  Touch();
}

void ConstraintsDialog::OnSelect(int id) {
  const int p = model_.arOrder;
  if (id == kArList || id == kMaList) {
    const int entry = At(id).selected;
    const int combined = (id == kArList ? 0 : p) + entry + 1;
    if (entry >= 0) fixed_[combined - 1] = !fixed_[combined - 1];
    FillLists();
  } else if (id == kRelationCombo && relationCount_ > 0) {
    current_ = std::max(At(kRelationCombo).selected, 0);
    LoadRelation();
  }
}

void ConstraintsDialog::OnChange(int id) {
  if (id == kRelationCountField) {
    const auto count = ReadFirstInteger(At(id).text);
    if (!count || *count < 0 || *count > kMaxRelations) {
      At(id).text = "0";
      relationCount_ = 0;
      platform->Message("KORA::Error", "Number of multiplicative relations must be from 0 to 6");
    } else {
      relationCount_ = *count;
    }
    ShowRelationCount();
    return;
  }
  if (id != kFactor1Field && id != kFactor2Field && id != kTargetField) return;
  Relation& r = relations_[current_];
  const int order = r.ma ? model_.maOrder : model_.arOrder;
  const int value = ReadFirstInteger(At(id).text).value_or(0);
  int& field = id == kFactor1Field ? r.factor1 : (id == kFactor2Field ? r.factor2 : r.target);
  if (value > order) {
    field = 0;
    At(id).text = "0";
    platform->Message("KORA::Error",
                      r.ma ? "Invalid index, must be less than MA Order = " + FormatInteger(order)
                           : "Invalid index, must be less than AR Order = " + FormatInteger(order));
    return;
  }
  field = value;
}

void ConstraintsDialog::OnCommand(int id) {
  const int p = model_.arOrder, q = model_.maOrder;
  switch (id) {
    case kNoneButton:
      fixed_.assign(p + q, false);
      break;
    case kAllNonZeroButton:
      for (int i = 0; i < p + q; ++i) fixed_[i] = coefficients_[i] != 0.0;
      break;
    case kAllZeroButton:
      for (int i = 0; i < p + q; ++i) fixed_[i] = coefficients_[i] == 0.0;
      break;
    case kSetToZeroButton:
      for (int i = 0; i < p + q; ++i)
        if (fixed_[i]) coefficients_[i] = 0.0;
      break;
    case kArGroupButton:
    case kMaGroupButton:
      relations_[current_].ma = id == kMaGroupButton;
      return;
    case platform::kIdCancel:
      End(platform::kIdCancel);
      return;
    case platform::kIdOk:
      if (focus() == platform::kIdOk && Store()) End(platform::kIdOk);
      return;
    default:
      return;
  }
  FillLists();
}

bool ConstraintsDialog::Store() {
  const int p = model_.arOrder, q = model_.maOrder;
  std::vector<int> free;
  for (int i = 1; i <= p + q; ++i)
    if (!fixed_[i - 1]) free.push_back(i);
  std::vector<int> targets;
  for (int i = 0; i < relationCount_; ++i) {
    const Relation& r = relations_[i];
    const int shift = r.ma ? p : 0;
    const char* problem = nullptr;
    if (r.factor1 < 1 || r.factor2 < 1 || r.target < 1)
      problem = "Multiplicative relation parameter must be positive";
    else if (r.factor1 == r.factor2 || r.factor1 == r.target || r.factor2 == r.target)
      problem = "Multiplicative relation repeats parameter";
    else if (fixed_[shift + r.target - 1])
      problem = "Conflict in multiplicative relation and fixed parameter";
    if (problem) {
      current_ = i;
      At(kRelationCombo).selected = i;
      At(kRelationCombo).text = At(kRelationCombo).items[i];
      LoadRelation();
      platform->Message(kErrorCaption, problem);
      return false;
    }
    if (std::find(targets.begin(), targets.end(), shift + r.target) != targets.end()) {
      platform->Message(kErrorCaption, "Multiplicative relation repeats parameter");
      return false;
    }
    targets.push_back(shift + r.target);
  }
  if (!StepDownStable(std::vector<double>(coefficients_.begin(), coefficients_.begin() + p))) {
    platform->Message(kErrorCaption, "Model no longer causal");
    return false;
  }
  // The optimised coefficients first, relation targets last: the objective
  // changes the first freeParamCount entries and the relations fill in the rest.
  std::vector<int> ordered;
  for (int index : free)
    if (std::find(targets.begin(), targets.end(), index) == targets.end()) ordered.push_back(index);
  for (int index : free)
    if (std::find(targets.begin(), targets.end(), index) != targets.end()) ordered.push_back(index);
  SetCombinedCoefficients(model_, coefficients_);
  model_.freeParamList.fill(0);
  std::copy(ordered.begin(), ordered.end(), model_.freeParamList.begin());
  model_.freeParamCount = static_cast<int>(free.size()) - relationCount_;
  model_.multRelationCount = relationCount_;
  model_.multRelationTarget.fill(0);
  model_.multRelationFactor1.fill(0);
  model_.multRelationFactor2.fill(0);
  for (int i = 0; i < relationCount_; ++i) {
    const Relation& r = relations_[i];
    const int shift = r.ma ? p : 0;
    model_.multRelationTarget[i] = shift + r.target;
    model_.multRelationFactor1[i] = shift + r.factor1;
    model_.multRelationFactor2[i] = shift + r.factor2;
  }
  return true;
}

}  // namespace kora
