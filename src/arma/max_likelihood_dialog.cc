#include "arma/max_likelihood_dialog.h"

#include "arma/constraints_dialog.h"
#include "arma/max_likelihood.h"
#include "platform/platform.h"
#include "report/number_format.h"
#include "report/number_parse.h"

namespace kora {

namespace {

constexpr int kMlButton = 1116;
constexpr int kLsButton = 1117;
constexpr int kNoOptimizationBox = 1119;
constexpr int kAccuracyField = 1120;
constexpr int kIterationsField = 1121;
constexpr int kConstrainButton = 1142;
constexpr int kKeepDBox = 1229;
constexpr int kModeGroup = 1;

constexpr const char* kIterationsText = " Number of iterations must be > 0.";
constexpr const char* kAccuracyText = " Choose accuracy parameter between 0 and 1.";

// Fixed-point with 5 decimals, right-aligned in 8 characters.
std::string Width8(double value) {
  std::string text = FormatFixed(value, 5);
  if (text.size() < 8) text.insert(0, 8 - text.size(), ' ');
  return text;
}

std::optional<double> ReadAccuracy(const std::string& text) {
  const auto value = ReadFirstNumber(text);
  if (!value || !(*value > 0.0) || !(*value < 1.0)) return std::nullopt;
  return value;
}

}  // namespace

MaxLikelihoodDialog::MaxLikelihoodDialog(ArmaModel& model)
    : Dialog("Maximum Likelihood Estimation"), model_(model) {
  using namespace platform;
  Add(RadioButton(kMlButton, "Maximum likelihood", kModeGroup, model.estimationMode == kMaximumLikelihood));
  Add(RadioButton(kLsButton, "Least squares", kModeGroup, model.estimationMode != kMaximumLikelihood));
  Add(CheckBox(kNoOptimizationBox, "No optimization (just compute likelihood)", model.noOptimization));
  Add(EditField(kAccuracyField, "Accuracy parameter", Width8(DefaultAccuracy(model))));
  Add(EditField(kIterationsField, "Number of iterations", FormatInteger(model.iterationLimit)));
  Add(PushButton(kConstrainButton, "Constrain optimization"));
  Add(PushButton(kIdOk, "OK"));
  Add(PushButton(kIdCancel, "Cancel"));
}

bool MaxLikelihoodDialog::Validate() {
  const auto iterations = ReadFirstInteger(At(kIterationsField).text);
  if (!iterations || *iterations <= 0) {
    platform->Message("ERROR", kIterationsText);
    return false;
  }
  if (!ReadAccuracy(At(kAccuracyField).text)) {
    platform->Message("ERROR", kAccuracyText);
    return false;
  }
  return true;
}

void MaxLikelihoodDialog::OnChange(int id) {
  if (id == kIterationsField) Validate();
}

void MaxLikelihoodDialog::OnCommand(int id) {
  if (id == kConstrainButton) {
    ConstraintsDialog constraints(model_);
    platform->RunDialog(constraints);
    return;
  }
  if (id == platform::kIdCancel) End(platform::kIdCancel);
  if (id != platform::kIdOk) return;
  model_.estimationMode = At(kMlButton).checked ? kMaximumLikelihood : kLeastSquares;
  model_.noOptimization = At(kNoOptimizationBox).checked;
  const auto accuracy = ReadAccuracy(At(kAccuracyField).text);
  if (!accuracy) {
    platform->Message("ERROR", kAccuracyText);
    At(kAccuracyField).text = Width8(DefaultAccuracy(model_));
    return;
  }
  const auto iterations = ReadFirstInteger(At(kIterationsField).text);
  if (!iterations || *iterations <= 0) {
    platform->Message("ERROR", kIterationsText);
    return;
  }
  model_.accuracy = *accuracy;
  model_.iterationLimit = *iterations;
  End(platform::kIdOk);
}

FractionalMlDialog::FractionalMlDialog(ArmaModel& model)
    : Dialog("ML Estimation (Fractionally Integrated ARMA)"), model_(model) {
  using namespace platform;
  if (model.fractionalStep <= 1.0e-12) model.fractionalStep = 0.1;
  Add(CheckBox(kNoOptimizationBox, "No optimization (just compute likelihood)", model.noOptimization));
  Add(EditField(kAccuracyField, "Step size (e.g. .1 reducing later to .01, .001,...)",
                Width8(model.fractionalStep)));
  Add(CheckBox(kKeepDBox, "Keep d parameter fixed in optimization.", !model.estimateD));
  Add(PushButton(kIdOk, "OK"));
  Add(PushButton(kIdCancel, "Cancel"));
}

void FractionalMlDialog::OnCommand(int id) {
  if (id == platform::kIdCancel) End(platform::kIdCancel);
  if (id != platform::kIdOk) return;
  const bool optimise = !At(kNoOptimizationBox).checked;
  const bool estimateD = !At(kKeepDBox).checked;
  if (optimise && !estimateD && model_.arOrder == 0 && model_.maOrder == 0) {
    platform->Message("ERROR", " No parameters to optimize.");
    return;
  }
  const auto step = ReadFirstNumber(At(kAccuracyField).text);
  if (!step || !(*step > 0.0)) {
    platform->Message("ERROR", kAccuracyText);
    return;
  }
  model_.noOptimization = !optimise;
  model_.estimateD = estimateD;
  model_.fractionalStep = *step;
  End(platform::kIdOk);
}

}  // namespace kora
