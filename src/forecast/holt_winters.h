// Holt-Winters exponential smoothing with level and trend, and with an
// additive seasonal component of period d: the one-step recursions, their
// mean squared error, the pattern search over the coefficients and the
// forecasts.
#pragma once

#include <vector>

#include "forecast/holt_winters_settings.h"

namespace kora {

struct HoltWintersCoefficients {
  double alpha = 0.2, beta = 0.2, gamma = 0.2;
};

// The recursions on y(1..N) with period 0 (non-seasonal) or d > 1.
struct HoltWintersPass {
  double criterion = 0.0;         // mean squared one-step error Q, 1e30 for inadmissible coefficients
  std::vector<double> predicted;  // P(s), s = 1..N; Y(s) where the recursions give no prediction
  std::vector<double> forecasts;  // F(1..H)
};

inline constexpr double kInadmissibleCriterion = 1e30;

// Needs N >= 2 without a period and N >= d + 1 with one (see
// HoltWintersSubsetFits). With no prediction error to average (N = 2, or
// N = d + 1) Q is 0.
HoltWintersPass HoltWintersRecursions(const std::vector<double>& y, int period,
                                      const HoltWintersCoefficients& c, int forecastCount);

// Only the criterion Q, without storing the predictions.
double HoltWintersCriterion(const std::vector<double>& y, int period, const HoltWintersCoefficients& c);

// The fewest values that give the recursions one prediction error: 3, or
// d + 2 with a period d.
int HoltWintersMinimumCount(int period);

// Whether a subset of n values is long enough to run (HoltWintersMinimumCount).
bool HoltWintersSubsetFits(int n, int period);

// Pattern search from `start`, minimising Q over (alpha, beta), or (alpha,
// gamma, beta) with a period. Returns the best point.
HoltWintersCoefficients HoltWintersSearch(const std::vector<double>& y, int period,
                                          const HoltWintersCoefficients& start);

// The computation behind both commands on series(1..n): takes the subset
// settings.hwFirst..hwLast, optimises when asked, and writes back the
// coefficients, hwRmse, hwForecast (max(n, last + H) entries) and
// hwForecastEnd. The subset must fit (HoltWintersSubsetFits).
void HoltWintersRun(HoltWintersSettings& settings, const std::vector<double>& series, int forecastCount);

}  // namespace kora
