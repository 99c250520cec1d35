// ARAR forecasting: a memory-shortening filter psi(B) of at most three
// simple factors, a subset autoregression with lags 1 < l1 < l2 < l3, and
// prediction with the whitening filter xi(B) = phi(B) psi(B).
#pragma once

#include <vector>

#include "forecast/arar_settings.h"

namespace kora {

// At least this many observations are needed in the subset.
inline constexpr int kArarMinObservations = 30;

// Stage 1 on y(1..N): stores shortDegree and shortCoef (psi = 1 when
// ararNoShortening is set or no factor is needed).
void MemoryShortening(ArarSettings& settings, const std::vector<double>& y);

// Stages 2 and 3 with the stored psi: the subset lags and coefficients by
// the stored method, the mean, the whitening filter and the RMSE of the
// one-step fitted values.
void SubsetArFit(ArarSettings& settings, const std::vector<double>& y);

// F(1..H) by the whitening filter applied recursively to y and the forecasts.
std::vector<double> ArarPredict(const ArarSettings& settings, const std::vector<double>& y, int count);

// The whole method on series(ararFirst..ararLast) (at least 30 values): fills
// every result and ararForecast (max(n, last + H) entries).
void ArarRun(ArarSettings& settings, const std::vector<double>& series, int count);

}  // namespace kora
