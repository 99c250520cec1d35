// The dialog "ARAR Forecasting": number of forecasts, the subset (indices on
// the original time axis of n + D values), the memory-shortening step, the
// subset AR method, and whether to run on the rebuilt original series.
#pragma once

#include "forecast/arar_settings.h"
#include "platform/dialog.h"

namespace kora {

inline constexpr int kArarCountField = 1152;
inline constexpr int kArarComplete = 1027;
inline constexpr int kArarSubset = 1028;
inline constexpr int kArarFirstField = 1029;
inline constexpr int kArarLastField = 1030;
inline constexpr int kArarShortening = 1017;
inline constexpr int kArarMethod13 = 1037;
inline constexpr int kArarMethod26 = 1038;
inline constexpr int kArarMethodLikelihood = 1039;
inline constexpr int kArarOriginal = 1171;

class ArarDialog : public platform::Dialog {
 public:
  // `settings` gives the initial values and receives the accepted ones on OK
  // (indices in the scale of the series the method will run on).
  ArarDialog(ArarSettings& settings, int forecastCount, int differenced, int total);

  void OnCommand(int id) override;
  void OnChange(int id) override;

 private:
  bool Validate();
  bool Reject(int field, const char* text);
  void EnableFields();

  ArarSettings& settings_;
  int differenced_, total_;
};

}  // namespace kora
