#include "transform/classical_dialog.h"

#include <utility>

#include "platform/platform.h"
#include "project/project_views.h"
#include "report/number_format.h"
#include "report/number_parse.h"
#include "transform/classical_fit.h"
#include "transform/placed_control.h"
#include "transform/transform_caption.h"

namespace kora {

using platform::kIdCancel;
using platform::kIdOk;

namespace {

constexpr int kMaxHarmonics = 4;
constexpr int kLinearGroup = 1;

}  // namespace

ClassicalDialog::ClassicalDialog(UnivariateProject& project, std::function<void()> refresh)
    : Dialog("Classical Decomposition"), project_(project), refresh_(std::move(refresh)) {
  using namespace platform;
  width = 260;
  height = 170;
  Add(Placed(CheckBox(kClassicalSeasonalCheck, "Seasonal Fit", false), 8, 8, 80, 10));
  Add(Placed(EditField(kClassicalPeriodField, "Enter Period: ", "12"), 150, 8, 40, 12));
  Add(Placed(CheckBox(kClassicalHarmonicCheck, "Harmonic Regression", false), 8, 28, 100, 10));
  Add(Placed(EditField(kClassicalHarmonicCountField, "Number of Harmonics ( < 5): ", "1"), 150, 28, 40, 12));
  Add(Placed(GroupBox(1708, "Indices of Fourier frequencies"), 8, 44, 244, 30));
  for (int i = 0; i < kMaxHarmonics; ++i)
    Add(Placed(EditField(kClassicalIndexField1 + i, FormatInteger(i + 1) + ")", FormatInteger(i + 1)), 30 + 55 * i,
               56, 30, 12));
  Add(Placed(CheckBox(kClassicalPolynomialCheck, "Polynomial Fit", true), 8, 82, 80, 10));
  Add(Placed(RadioButton(kClassicalLinearRadio, "Linear Trend", kLinearGroup, true), 20, 96, 80, 10));
  Add(Placed(RadioButton(kClassicalQuadraticRadio, "Quadratic Trend", kLinearGroup, false), 120, 96, 80, 10));
  Add(Placed(PushButton(kClassicalShowFit, "Show  Fit"), 8, 148, 50, 14));
  Add(Placed(PushButton(kClassicalTile, "Tile Windows"), 66, 148, 60, 14));
  Add(Placed(PushButton(kIdOk, "OK"), 134, 148, 50, 14));
  Add(Placed(PushButton(kIdCancel, "Cancel"), 192, 148, 50, 14));
  EnableFields();
}

void ClassicalDialog::EnableFields() {
  const bool seasonal = At(kClassicalSeasonalCheck).checked;
  const bool harmonic = At(kClassicalHarmonicCheck).checked;
  const bool polynomial = At(kClassicalPolynomialCheck).checked;
  At(kClassicalPeriodField).enabled = seasonal;
  At(kClassicalHarmonicCountField).enabled = harmonic;
  for (int i = 0; i < kMaxHarmonics; ++i) At(kClassicalIndexField1 + i).enabled = harmonic;
  At(kClassicalLinearRadio).enabled = At(kClassicalQuadraticRadio).enabled = polynomial;
  Touch();
}

void ClassicalDialog::Reject(int field, const std::string& text) {
  platform->Message(kTarnErrorCaption, text);
  SetFocus(field);
  Touch();
}

std::optional<ClassicalSettings> ClassicalDialog::ReadSpec() {
  const int n = project_.count();
  ClassicalSettings settings;
  settings.degree = !At(kClassicalPolynomialCheck).checked ? 0 : At(kClassicalQuadraticRadio).checked ? 2 : 1;
  settings.seasonal = At(kClassicalSeasonalCheck).checked;
  settings.harmonic = At(kClassicalHarmonicCheck).checked;
  if (settings.seasonal) {
    const std::optional<int> d = ReadFirstInteger(At(kClassicalPeriodField).text);
    if (!d || *d < 2 || *d > n / 3) {
      Reject(kClassicalPeriodField, "Period must be in: (2," + FormatInteger(n / 3) + "]");
      return std::nullopt;
    }
    settings.period = *d;
  }
  if (settings.harmonic) {
    const std::optional<int> k = ReadFirstInteger(At(kClassicalHarmonicCountField).text);
    if (!k || *k < 1 || *k > kMaxHarmonics) {
      Reject(kClassicalHarmonicCountField, "Number of harmonics must be in [1, " + FormatInteger(kMaxHarmonics) + "]");
      return std::nullopt;
    }
    settings.harmonicCount = *k;
    for (int i = 0; i < *k; ++i) {
      const std::optional<int> j = ReadFirstInteger(At(kClassicalIndexField1 + i).text);
      if (!j || *j < 1 || *j >= n / 2) {
        Reject(kClassicalIndexField1 + i,
               "Index(" + FormatInteger(i + 1) + ") must be in (1, " + FormatInteger(n / 2) + ")");
        return std::nullopt;
      }
      settings.indices[i] = *j;
    }
  }
  return settings;
}

void ClassicalDialog::TakeBack() {
  if (pushed_) UndoClassical(project_);
  pushed_ = false;
}

bool ClassicalDialog::Apply(bool showFit) {
  const std::optional<ClassicalSettings> settings = ReadSpec();
  if (!settings) {
    if (showFit) ClosePlotWindow(*platform, project_.plots[kClassicalFitPlot]);
    return false;
  }
  TakeBack();
  const std::vector<double> before = project_.series;
  const int first = project_.firstIndex;
  std::vector<double> fit;
  pushed_ = PushClassical(project_, *settings, &fit);
  refresh_();
  if (showFit) {
    if (pushed_)
      DrawClassicalFit(*platform, project_, before, first, fit);
    else
      ClosePlotWindow(*platform, project_.plots[kClassicalFitPlot]);
  }
  return true;
}

void ClassicalDialog::OnCommand(int id) {
  switch (id) {
    case kClassicalSeasonalCheck:
      if (At(id).checked) At(kClassicalHarmonicCheck).checked = false;
      return EnableFields();
    case kClassicalHarmonicCheck:
      if (At(id).checked) At(kClassicalSeasonalCheck).checked = false;
      return EnableFields();
    case kClassicalPolynomialCheck:
      return EnableFields();
    case kClassicalShowFit:
      Apply(true);
      return;
    case kClassicalTile:
      platform->Tile();
      return;
    case kIdOk:
      if (focus() != kIdOk) {  // Enter in a field: the focus moves to OK first
        SetFocus(kIdOk);
        Touch();
        return;
      }
      if (Apply(false)) End(kIdOk);
      return;
    case kIdCancel: {
      const bool had = pushed_;
      TakeBack();
      ClosePlotWindow(*platform, project_.plots[kClassicalFitPlot]);
      if (had) refresh_();
      End(kIdCancel);
      return;
    }
    default:
      return;
  }
}

void ClassicalDialog::OnClose() { End(kIdCancel); }  // the close box keeps what was applied

}  // namespace kora
