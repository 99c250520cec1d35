// Yule-Walker estimation of a vector autoregression by Whittle's recursion
// (the multivariate Durbin-Levinson algorithm).
#pragma once

#include "multivariate/var_estimation.h"

namespace kora {

// Stages 0..maxOrder from Gamma(0..maxOrder) (oriented as in
// SampleCovarianceMatrices); the list ends early at the first stage whose
// forward or backward error covariance is not positive definite (stage 0
// missing too when Gamma(0) is not).
VarStages WhittleStages(const std::vector<Matrix>& gamma, int m, int maxOrder);

}  // namespace kora
