// Dialog values and results of one Holt-Winters forecaster (non-seasonal or
// seasonal), kept in the project between runs.
#pragma once

#include <vector>

namespace kora {

struct HoltWintersSettings {
  int hwCount = 10;             // H, number of forecasts
  int hwFirst = 1, hwLast = 1;  // subset bounds in the indices of the series the method ran on
  double hwAlpha = 0.2, hwBeta = 0.2, hwGamma = 0.2;
  int hwPeriod = 0;  // d; 0 selects the non-seasonal method
  bool hwOptimize = false;
  bool hwSubset = false;    // "Specify a subset of data for prediction."
  bool hwOriginal = false;  // run on the rebuilt original series
  double hwRmse = 0.0;
  // Fitted one-step values at times first..last, forecasts at last+1..last+H
  // (0-based: hwForecast[t - 1] is time t of the series the method ran on).
  std::vector<double> hwForecast;
  int hwForecastEnd = 0;  // last + H
};

}  // namespace kora
