#include "forecast/holt_winters_dialog.h"

#include <cstdio>
#include <optional>
#include <string>

#include "forecast/holt_winters.h"
#include "platform/platform.h"
#include "report/number_format.h"
#include "report/number_parse.h"
#include "transform/placed_control.h"

namespace kora {

namespace {

using platform::kIdCancel;
using platform::kIdOk;

constexpr char kErrorCaption[] = "ERROR";
constexpr char kCountLabel[] = "Enter number of predicted values past last specified observation :";
constexpr char kCountLabelPrefix[] = "Enter number of predicted values past observation";

std::string Coefficient(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%8.5f", value);
  return text;
}

int ReadInteger(const platform::Control& field) { return ReadFirstInteger(field.text).value_or(0); }

}  // namespace

HoltWintersDialogIds HoltWintersIds(bool seasonal) {
  if (seasonal) return {1152, 1051, 1052, 1055, 1056, 1011, 1012, 1013, 1009, 1007, 1171};
  return {1152, 1041, 1042, 1043, 1044, 1006, 1004, 1005, 0, 0, 1171};
}

HoltWintersDialog::HoltWintersDialog(bool seasonal, HoltWintersSettings& settings, int forecastCount,
                                     int differenced, int total)
    : Dialog(seasonal ? "Seasonal Holt-Winters Forecasting" : "Holt-Winters Forecasting"),
      seasonal_(seasonal),
      ids_(HoltWintersIds(seasonal)),
      settings_(settings),
      differenced_(differenced),
      total_(total) {
  width = 260;
  height = seasonal ? 230 : 200;
  const int offset = settings.hwOriginal ? 0 : differenced;
  int first = settings.hwFirst + offset, last = settings.hwLast + offset;
  if (!settings.hwSubset || last <= first || last > total) {
    first = offset + 1;
    last = total;
  }
  using namespace platform;
  Add(Placed(EditField(ids_.count, kCountLabel, FormatInteger(forecastCount < 1 ? 10 : forecastCount)), 10, 8,
             240, 12));
  Add(Placed(RadioButton(ids_.complete, "Use complete data set for prediction.", 1, !settings.hwSubset), 10,
             28, 240, 10));
  Add(Placed(RadioButton(ids_.subset, "Specify a subset of data for prediction.", 1, settings.hwSubset), 10,
             40, 240, 10));
  Add(Placed(EditField(ids_.first, "Enter index of first observation in subset.", FormatInteger(first)), 20,
             54, 230, 12));
  Add(Placed(EditField(ids_.last,
                       "Enter index of last observation in subset  (total number of observations is " +
                           FormatInteger(total) + ")",
                       FormatInteger(last)),
             20, 70, 230, 12));
  Add(Placed(CheckBox(ids_.optimize, "Optimize coefficients:", settings.hwOptimize), 10, 90, 120, 10));
  Add(Placed(EditField(ids_.alpha, "Value of alpha:", Coefficient(settings.hwAlpha)), 20, 104, 120, 12));
  Add(Placed(EditField(ids_.beta, "Value of beta:", Coefficient(settings.hwBeta)), 20, 120, 120, 12));
  int y = 136;
  if (seasonal) {
    Add(Placed(EditField(ids_.gamma, "Value of gamma:", Coefficient(settings.hwGamma)), 20, y, 120, 12));
    Add(Placed(EditField(ids_.period, "Enter period (must be > 1).", FormatInteger(settings.hwPeriod)), 10,
               y + 18, 200, 12));
    y += 36;
  }
  Add(Placed(CheckBox(ids_.original, "Apply to orignal (untransformed ) data.", settings.hwOriginal), 10, y,
             200, 10));
  Add(Placed(PushButton(kIdOk, "OK"), 60, y + 20, 50, 14));
  Add(Placed(PushButton(kIdCancel, "Cancel"), 150, y + 20, 50, 14));
  EnableFields();
  RewriteCountLabel();
  SetFocus(ids_.count);
}

void HoltWintersDialog::EnableFields() {
  const bool subset = At(ids_.subset).checked;
  At(ids_.first).enabled = subset;
  At(ids_.last).enabled = subset;
  const bool fixed = !At(ids_.optimize).checked;
  At(ids_.alpha).enabled = fixed;
  At(ids_.beta).enabled = fixed;
  if (seasonal_) At(ids_.gamma).enabled = fixed;
  Touch();
}

void HoltWintersDialog::RewriteCountLabel() {
  const int last = At(ids_.subset).checked ? ReadInteger(At(ids_.last)) : total_;
  At(ids_.count).label = kCountLabelPrefix + FormatInteger(last);
  Touch();
}

void HoltWintersDialog::OnChange(int id) {
  if (id == ids_.last) RewriteCountLabel();
}

void HoltWintersDialog::OnCommand(int id) {
  if (id == ids_.complete || id == ids_.subset || id == ids_.optimize) {
    EnableFields();
    RewriteCountLabel();
    return;
  }
  if (id == kIdOk) {
    if (Validate()) End(kIdOk);
    return;
  }
  Dialog::OnCommand(id);
}

void HoltWintersDialog::Reject(int field, const char* text) {
  platform->Message(kErrorCaption, text);
  SetFocus(field);
  Touch();
}

bool HoltWintersDialog::Validate() {
  const int count = ReadInteger(At(ids_.count));
  if (count < 1) return Reject(ids_.count, "Number of predictors MUST be greater than 0"), false;
  const bool optimize = At(ids_.optimize).checked;
  struct Field {
    int id;
    const char* message;
  };
  std::vector<Field> fields{{ids_.alpha, "alpha must be between 0 and 1"},
                            {ids_.beta, "Beta must be between 0 and 1"}};
  if (seasonal_) fields.push_back({ids_.gamma, "Gamma must be between 0 and 1"});
  std::vector<double> values;
  for (const Field& field : fields) {
    // With optimisation the fields only give the starting point; one that
    // does not read as a number starts at 0.2.
    const std::optional<double> parsed = ReadFirstNumber(At(field.id).text);
    const double value = parsed.value_or(optimize ? 0.2 : 0.0);
    if (value < 0.0 || (!optimize && value > 1.0)) return Reject(field.id, field.message), false;
    values.push_back(value);
  }
  const int period = seasonal_ ? ReadInteger(At(ids_.period)) : 0;
  if (seasonal_ && period <= 1) return Reject(ids_.period, "Period must be greater than 1"), false;
  const bool original = At(ids_.original).checked;
  const bool subset = At(ids_.subset).checked;
  const int offset = original ? 0 : differenced_;
  int first = offset + 1, last = total_;
  if (subset) {
    first = ReadInteger(At(ids_.first));
    last = ReadInteger(At(ids_.last));
    if (original && first <= 0) return Reject(ids_.first, "Starting point MUST be greater than 0"), false;
    if (!original && first <= differenced_)
      return Reject(ids_.first, "Starting point MUST be greater than number of lags differenced"), false;
    if (last <= first) return Reject(ids_.last, "Need last index larger than starting index"), false;
    if (last > total_) return Reject(ids_.last, "Final index must be less than number of obs."), false;
  }
  // A subset without one prediction error would forecast from its first values alone.
  if (!HoltWintersSubsetFits(last - first + 1, period)) {
    const std::string text = "Need at least " + FormatInteger(HoltWintersMinimumCount(period)) +
                             " observations to run " + (seasonal_ ? "seasonal Holt-Winters" : "Holt-Winters");
    return Reject(subset ? ids_.last : (seasonal_ ? ids_.period : ids_.count), text.c_str()), false;
  }
  settings_.hwCount = count;
  settings_.hwOptimize = optimize;
  settings_.hwAlpha = values[0];
  settings_.hwBeta = values[1];
  if (seasonal_) {
    settings_.hwGamma = values[2];
    settings_.hwPeriod = period;
  }
  settings_.hwSubset = subset;
  settings_.hwOriginal = original;
  settings_.hwFirst = first - offset;
  settings_.hwLast = last - offset;
  return true;
}

}  // namespace kora
