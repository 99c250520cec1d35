// The dialogs "Holt-Winters Forecasting" and "Seasonal Holt-Winters
// Forecasting": number of forecasts, the subset (indices on the original
// time axis of n + D values), the coefficients or their starting point, the
// period, and whether to run on the rebuilt original series.
#pragma once

#include "forecast/holt_winters_settings.h"
#include "platform/dialog.h"

namespace kora {

// Control ids of the non-seasonal dialog; the seasonal one uses its own ids
// for the same roles (HoltWintersDialogIds).
struct HoltWintersDialogIds {
  int count, complete, subset, first, last, optimize, alpha, beta, gamma, period, original;
};
HoltWintersDialogIds HoltWintersIds(bool seasonal);

class HoltWintersDialog : public platform::Dialog {
 public:
  // `settings` is read for the initial values and receives the accepted
  // ones on OK (its indices in the scale of the series the method will run
  // on). `differenced` is D, `total` is n + D.
  HoltWintersDialog(bool seasonal, HoltWintersSettings& settings, int forecastCount, int differenced,
                    int total);

  void OnCommand(int id) override;
  void OnChange(int id) override;

 private:
  bool Validate();
  void Reject(int field, const char* text);
  void EnableFields();
  void RewriteCountLabel();

  bool seasonal_;
  HoltWintersDialogIds ids_;
  HoltWintersSettings& settings_;
  int differenced_, total_;
};

}  // namespace kora
