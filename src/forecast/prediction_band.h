// 95% prediction bands of forecasts: forecast -+ 1.96 sqrt(MSE). The mean
// squared errors of an undifferenced series come from the same predictors
// with the differencing operators joined to the AR side (or to the MA-infinity
// weights), since adding back differences sums forecast errors that are
// correlated.
#pragma once

#include <vector>

namespace kora {

inline constexpr double kBandQuantile = 1.96;

// The coefficients a(1..) of phi(z) (1 - z^d1) (1 - z^d2) ... written as
// 1 - a1 z - a2 z^2 - ..., phi(z) = 1 - ar1 z - ar2 z^2 - ...
std::vector<double> IntegratedAr(const std::vector<double>& ar, const std::vector<int>& lags);

// The first `count` coefficients of w(z) / ((1 - z^d1) (1 - z^d2) ...).
std::vector<double> IntegratedWeights(const std::vector<double>& weights, const std::vector<int>& lags, int count);

// The first `count` coefficients of 1/xi(z), xi(z) = xi0 + xi1 z + ... with
// xi0 = 1: the MA-infinity weights of forecasts made with the filter xi.
std::vector<double> InverseFilterWeights(const std::vector<double>& xi, int count);

// sigma2 times the running sums of the squared weights: MSE(h) = sigma2 sum_{j<h} w(j)^2.
std::vector<double> WeightsMse(const std::vector<double>& weights, double sigma2, int horizon);

// 1.96 sqrt(MSE(h)) for every h.
std::vector<double> BandHalfWidths(const std::vector<double>& mse);

}  // namespace kora
