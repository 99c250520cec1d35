#include "forecast/arma_forecast_dialog.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "report/number_format.h"
#include "report/number_parse.h"

namespace kora {

namespace {

// Far beyond any useful horizon; larger counts are refused like unreadable text.
constexpr int kMaxForecastCount = 100000;

std::string VarianceText(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%15.6f", value);
  return buffer;
}

platform::Control Box(int id, const char* label, bool available) {
  platform::Control box = platform::CheckBox(id, label, available);
  box.enabled = available;
  return box;
}

// Keeps the user's entries when the dialog is shown again.
void CopyEntries(const platform::Dialog& from, platform::Dialog& to) {
  for (const platform::Control& control : from.controls())
    if (platform::Control* target = to.Find(control.id)) {
      target->text = control.text;
      target->checked = control.checked;
    }
}

}  // namespace

ArmaForecastDialog::ArmaForecastDialog(const UnivariateProject& project) : Dialog("ARMA Forecast") {
  const ForecastUndoFlags available = AvailableInversions(project);
  const int count = project.forecastCount < 1 ? 10 : project.forecastCount;
  Add(platform::EditField(kForecastCountField, "Number of forecasts past last observation", FormatInteger(count)));
  Add(platform::EditField(kForecastVarianceField, "Current white noise variance.",
                          VarianceText(project.model.whiteNoiseVariance)));
  Add(Box(kForecastMeanBox, "Add the mean to the forecasts.", available.addMean));
  Add(Box(kForecastTrendSeasonalBox, "Add estimated trend/seasonal component to forecasts.",
          available.addTrendSeasonal));
  Add(Box(kForecastUndifferenceBox, "Forecast the undifferenced data.", available.undifference));
  Add(Box(kForecastBoxCoxBox, "Invert Box-Cox transformation.", available.invertBoxCox));
  Add(Box(kForecastRegressionBox, "Include regression function.", available.includeRegression));
  Add(platform::PushButton(platform::kIdOk, "OK"));
  Add(platform::PushButton(platform::kIdCancel, "Cancel"));
}

std::optional<ArmaForecastRequest> RunArmaForecastDialog(platform::Platform& ui, const UnivariateProject& project) {
  std::unique_ptr<ArmaForecastDialog> previous;
  for (;;) {
    auto dialog = std::make_unique<ArmaForecastDialog>(project);
    if (previous) CopyEntries(*previous, *dialog);
    previous = nullptr;
    if (ui.RunDialog(*dialog) != platform::kIdOk) return std::nullopt;
    previous = std::move(dialog);
    platform::Dialog& d = *previous;
    const std::optional<int> count = ReadFirstInteger(d.At(kForecastCountField).text);
    if (!count || *count > kMaxForecastCount) continue;
    if (*count < 1) {
      ui.Message("Error", " Number of predictors must be larger than 0");
      continue;
    }
    const std::optional<double> variance = ReadFirstNumber(d.At(kForecastVarianceField).text);
    if (!variance) continue;
    if (!(*variance > 0.0)) {
      ui.Message("ERROR", " WN Variance must be postive");
      continue;
    }
    const bool regression = d.At(kForecastRegressionBox).checked;
    if (regression && project.trend.auxFlag) {
      ui.Message("ERROR", " Cannot forecast beyond the length of the auxiliary variables in regression function.");
      continue;
    }
    ArmaForecastRequest request;
    request.count = *count;
    request.variance = *variance;
    request.flags.addMean = d.At(kForecastMeanBox).checked;
    request.flags.addTrendSeasonal = d.At(kForecastTrendSeasonalBox).checked;
    request.flags.undifference = d.At(kForecastUndifferenceBox).checked;
    request.flags.invertBoxCox = d.At(kForecastBoxCoxBox).checked;
    request.flags.includeRegression = regression;
    return request;
  }
}

}  // namespace kora
