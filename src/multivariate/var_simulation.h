// Realisations of a fitted vector autoregression (Model > Simulate).
#pragma once

#include <vector>

#include "multivariate/var_model.h"

namespace kora {

// Steps of the recursion run and discarded before the first value kept, so
// that the start at the mean is forgotten.
inline constexpr int kVarBurnIn = 200;

// n observations (series by time) of X(t) = phi0 + sum_j Phi_j X(t-j) + Z(t),
// Z(t) = L z(t) with V = L L' and z standard normal: z holds m values per
// step for kVarBurnIn + n steps. The recursion starts at the mean mu.
// Nothing when V is not positive definite.
std::vector<std::vector<double>> SimulateVar(const MultivariateArModel& model, const std::vector<double>& mu,
                                             int n, const std::vector<double>& z);

}  // namespace kora
