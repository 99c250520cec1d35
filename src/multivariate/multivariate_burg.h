// The multivariate Burg algorithm in normalised lattice form (Vieira and
// Morf): at each stage the forward and backward prediction errors are
// normalised by the Cholesky factors of their sample covariances; the
// cross-covariance of the normalised errors is the partial correlation
// matrix Rho, from which, with the Cholesky factors Cf, Cb of the model's
// forward and backward error covariances V, Vbar,
//   Phi_k,k = Cf Rho Cb^-1,  Phibar_k,k = Cb Rho' Cf^-1,
//   V_k = Cf (I - Rho Rho') Cf',  Vbar_k = Cb (I - Rho' Rho) Cb',
// and the errors and coefficients are updated as in Whittle's recursion.
#pragma once

#include "multivariate/var_estimation.h"

namespace kora {

// Stages 0..maxOrder (V_0 = Gamma(0)); the list ends early at a stage where
// a covariance is not positive definite.
VarStages BurgStages(const MeanCorrectedData& data, int maxOrder);

}  // namespace kora
