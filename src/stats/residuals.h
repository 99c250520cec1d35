// Rescaled residuals of the current series under the current model.
#pragma once

#include <vector>

#include "arma/arma_model.h"
#include "project/univariate_project.h"

namespace kora {

// Residuals of a fractionally integrated model from its autocorrelations
// rho(0..n-1) and variance gamma0 by the Durbin-Levinson recursion:
// W(1) = x(1)/sqrt(v(0)), W(t+1) = (x(t+1) - sum phi(t,j) x(t+1-j)) / sqrt(v(t)).
std::vector<double> DurbinLevinsonResiduals(const std::vector<double>& x, const std::vector<double>& rho,
                                            double gamma0);

// Recomputes project.residuals and model.residualSsOverN (run after every
// change of data or model). The model's white-noise variance and its
// evaluation counter are left as they were. Without data, or when the model
// is not causal, the residuals are cleared.
void ModelResiduals(UnivariateProject& project);

}  // namespace kora
