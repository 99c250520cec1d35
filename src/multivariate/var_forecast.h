// Forecasts of a fitted vector autoregression.
#pragma once

#include <vector>

#include "multivariate/var_model.h"

namespace kora {

// Per series i: values[i][0..endpoint-1] followed by the forecasts of times
// endpoint+1..endpoint+count, Xhat_i(t) = phi0_i + sum_j sum_k Phi_j(i, k) X_k(t-j)
// with forecasts standing in for the values beyond the endpoint.
// Needs endpoint > p = phi.size().
std::vector<std::vector<double>> VarForecast(const std::vector<std::vector<double>>& values, int endpoint,
                                             int count, const std::vector<Matrix>& phi,
                                             const std::vector<double>& phi0);

}  // namespace kora
