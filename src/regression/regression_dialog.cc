#include "regression/regression_dialog.h"

#include "report/number_format.h"
#include "report/number_parse.h"

namespace kora {

namespace {

constexpr const char* kCaption = "KORA Error";

struct FieldRule {
  int low, high;
  const char* message;
};

}  // namespace

RegressionDialog::RegressionDialog(const RegressionTrend& trend, int n)
    : Dialog("Regression Trend Function"), settings(trend), n_(n) {
  settings.harmonicCount = 0;
  settings.auxFlag = false;
  Add(platform::CheckBox(kPolynomialBox, "Polynomial Regression", true));
  Add(platform::EditField(kPolynomialOrderField, "Enter Order:", FormatInteger(settings.polyOrder)));
  Add(platform::CheckBox(kHarmonicBox, "Harmonic Regression", false));
  platform::Control count = platform::EditField(kHarmonicCountField, "Number of Harmonics ( < 5):", "0");
  count.enabled = false;
  Add(count);
  const char* labels[] = {"1)", "2)", "3)", "4)"};
  for (int i = 0; i < 4; ++i) {
    platform::Control index =
        platform::EditField(kFourierIndexFields[i], labels[i], FormatInteger(settings.fourierIndex[i]));
    index.enabled = false;
    Add(index);
  }
  Add(platform::CheckBox(kInterceptBox, "Include intercept term.", settings.includeIntercept));
  Add(platform::CheckBox(kAuxiliaryBox, "Include auxilary variables imported from file", false));
  Add(platform::PushButton(platform::kIdOk, "OK"));
  Add(platform::PushButton(platform::kIdCancel, "Cancel"));
}

bool RegressionDialog::Validate(int id) {
  int* value = nullptr;
  FieldRule rule{0, 0, ""};
  if (id == kPolynomialOrderField) {
    value = &settings.polyOrder;
    rule = {0, kMaxTrendPolyOrder, "Degree must be between 0 and 10"};
  } else if (id == kHarmonicCountField) {
    value = &settings.harmonicCount;
    rule = {0, kMaxTrendHarmonics, "Number of harmonics must be between 0 and 4"};
  } else {
    for (int i = 0; i < 4; ++i)
      if (id == kFourierIndexFields[i]) value = &settings.fourierIndex[i];
    rule = {1, n_, "Index must be between 1 and number of obs."};
  }
  if (!value) return true;
  platform::Control& field = At(id);
  if (!field.enabled) return true;
  const std::optional<int> read = ReadFirstInteger(field.text);
  if (!read) return true;  // unreadable text leaves the value as it was
  if (*read < rule.low || *read > rule.high) {
    if (platform) platform->Message(kCaption, rule.message);
    SetFocus(id);
    Touch();
    return false;
  }
  *value = *read;
  return true;
}

void RegressionDialog::OnLoseFocus(int id) { Validate(id); }

void RegressionDialog::OnCommand(int id) {
  switch (id) {
    case platform::kIdOk:
      if (focus() != platform::kIdOk) {
        const int field = focus();
        SetFocus(platform::kIdOk);
        Validate(field);
        Touch();
        return;
      }
      End(platform::kIdOk);
      return;
    case platform::kIdCancel:
      settings.polyOrder = settings.harmonicCount = 0;
      settings.auxFlag = false;
      End(platform::kIdCancel);
      return;
    case kPolynomialBox: {
      const bool on = At(kPolynomialBox).checked;
      At(kPolynomialOrderField).enabled = on;
      if (on) {
        SetFocus(kPolynomialOrderField);
      } else {
        settings.polyOrder = 0;
      }
      Touch();
      return;
    }
    case kHarmonicBox: {
      const bool on = At(kHarmonicBox).checked;
      At(kHarmonicCountField).enabled = on;
      for (int field : kFourierIndexFields) At(field).enabled = on;
      if (on) {
        SetFocus(kHarmonicCountField);
      } else {
        settings.harmonicCount = 0;
      }
      Touch();
      return;
    }
    case kInterceptBox:
      settings.includeIntercept = At(kInterceptBox).checked;
      return;
    case kAuxiliaryBox:
      settings.auxFlag = At(kAuxiliaryBox).checked;
      return;
    default:
      return;
  }
}

bool RunRegressionDialog(platform::Platform& ui, UnivariateProject& project) {
  RegressionDialog dialog(project.trend, project.count());
  const bool ok = ui.RunDialog(dialog) == platform::kIdOk;
  RegressionTrend& trend = project.trend;
  trend.polyOrder = dialog.settings.polyOrder;
  trend.harmonicCount = dialog.settings.harmonicCount;
  trend.fourierIndex = dialog.settings.fourierIndex;
  trend.includeIntercept = dialog.settings.includeIntercept;
  trend.auxFlag = dialog.settings.auxFlag;
  if (!ok) trend.regressorCount = 0;
  return ok;
}

}  // namespace kora
