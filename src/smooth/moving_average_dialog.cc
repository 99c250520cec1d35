#include "smooth/moving_average_dialog.h"

#include <utility>

#include "platform/platform.h"
#include "report/number_format.h"
#include "report/number_parse.h"
#include "smooth/moving_average_smooth.h"
#include "transform/placed_control.h"

namespace kora {

using platform::kIdCancel;
using platform::kIdOk;

namespace {

constexpr const char* kCaption = "KORA::ERROR";

std::string ThetaLabel(int j) { return "Theta(" + FormatInteger(j) + ") = "; }

}  // namespace

MovingAverageDialog::MovingAverageDialog(UnivariateProject& project, std::function<void()> apply)
    : Dialog("Moving Average Smooth"), project_(project), apply_(std::move(apply)) {
  theta_ = project.movingAverageWeights.empty() ? std::vector<double>{1.0} : project.movingAverageWeights;
  project_.movingAverageOrder = static_cast<int>(theta_.size()) - 1;
  width = 220;
  height = 150;
  Add(Placed(platform::EditField(kMaOrderField, "Enter filter order:", FormatInteger(project_.movingAverageOrder)),
             100, 8, 40, 12));
  Add(Placed(platform::ListBox(kMaWeightList, "Weights", {}, 0), 8, 28, 120, 90));
  Add(Placed(platform::EditField(kMaWeightField, ThetaLabel(0), ""), 150, 40, 60, 12));
  Add(Placed(platform::PushButton(kMaApply, "Apply"), 150, 70, 50, 14));
  Add(Placed(platform::PushButton(kIdOk, "OK"), 40, 128, 50, 14));
  Add(Placed(platform::PushButton(kIdCancel, "Cancel"), 130, 128, 50, 14));
  ShowWeights(0);
}

void MovingAverageDialog::ShowWeights(int selected) {
  platform::Control& list = At(kMaWeightList);
  list.items.clear();
  for (size_t j = 0; j < theta_.size(); ++j)
    list.items.push_back(ThetaLabel(static_cast<int>(j)) + FormatSignificant(theta_[j], 5));
  if (selected < 0 || selected >= static_cast<int>(theta_.size())) selected = 0;
  list.selected = selected;
  platform::Control& field = At(kMaWeightField);
  field.label = ThetaLabel(selected);
  field.text = FormatSignificant(theta_[selected], 5);
  Touch();
}

void MovingAverageDialog::ReadOrder() {
  platform::Control& field = At(kMaOrderField);
  const std::optional<int> q = ReadFirstInteger(field.text);
  if (q && *q > kMaxMaOrder) {
    platform->Message(kCaption, "MA Order must be < 100");
    SetFocus(kMaOrderField);
    Touch();
    return;
  }
  if (!q || *q < 0) {  // not an order: the field shows the one in force
    field.text = FormatInteger(project_.movingAverageOrder);
    Touch();
    return;
  }
  // New weights start at 1, so a longer filter is a plain moving average until edited.
  theta_.resize(static_cast<size_t>(*q) + 1, 1.0);
  project_.movingAverageOrder = *q;
  ShowWeights(At(kMaWeightList).selected);
}

void MovingAverageDialog::ReadWeight() {
  const int j = At(kMaWeightList).selected;
  const std::optional<double> value = ReadFirstNumber(At(kMaWeightField).text);
  if (!value || j < 0 || j >= static_cast<int>(theta_.size())) return;
  theta_[j] = *value;
  ShowWeights(j);
}

void MovingAverageDialog::OnLoseFocus(int id) {
  if (id == kMaOrderField) ReadOrder();
  if (id == kMaWeightField) ReadWeight();
}

void MovingAverageDialog::OnSelect(int id) {
  if (id == kMaWeightList) ShowWeights(At(kMaWeightList).selected);
}

void MovingAverageDialog::Apply() {
  const std::optional<std::vector<double>> normalised = NormaliseWeights(theta_);
  if (!normalised) {
    platform->Message(kCaption, "MA coefficients cannot sum to zero");
    return;
  }
  theta_ = *normalised;
  project_.movingAverageWeights = *normalised;
  apply_();
  ShowWeights(At(kMaWeightList).selected);
}

void MovingAverageDialog::OnCommand(int id) {
  if (id == kMaApply) return Apply();
  if (id == kIdOk && (focus() == kMaOrderField || focus() == kMaWeightField)) {
    const int from = focus();
    SetFocus(kIdOk);
    Touch();
    OnLoseFocus(from);
    return;
  }
  if (id == kIdOk || id == kIdCancel) End(id);
}

}  // namespace kora
