// What every forecast plot window shares: the prediction band drawn about
// the forecasts. ARMA and ARAR forecasts have one; Holt-Winters forecasts
// have none, as the method states no model of its errors and so no variance.
#pragma once

#include <vector>

#include "plot/plot_window.h"

namespace kora {

// The curve of forecast plots that holds the band (drawn in the forecasts' colour).
inline constexpr int kBandCurve = 4;

// The band from lower to upper at times first, first + 1, ...; nothing when
// there is no band.
void DrawPredictionBand(PlotWindow& plot, int first, const std::vector<double>& lower,
                        const std::vector<double>& upper);

}  // namespace kora
