// Vector autoregressions fitted to mean-corrected series: the sample
// autocovariance matrices, the stages of an order-recursive estimator, the
// likelihood and AICC of each order, the order search and the constant.
//
// Observations are held row by row: y[(t - 1) * m + i] is series i+1 at time
// t, mean-corrected. Matrices are m x m, row-major (var_model.h).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "multivariate/var_model.h"

namespace kora {

struct MeanCorrectedData {
  int n = 0, m = 0;
  std::vector<double> y;   // n x m, row by row
  std::vector<double> mu;  // the subtracted means
};

// values[i] is series i+1 (all of length n).
MeanCorrectedData MeanCorrect(const std::vector<std::vector<double>>& values);

// Gamma(h), h = 0..maxLag, with Gamma(h)(i, k) = (1/n) sum_{t=1}^{n-h} y_i(t+h) y_k(t),
// the covariance of X(t+h) with X(t). This is the orientation in which the
// Yule-Walker equations read Gamma(h) = sum_j Phi_j Gamma(h-j) and in which
// Whittle's recursion (Delta_k = Gamma(k) - sum Phi_k-1,j Gamma(k-j),
// Phi_k,k = Delta_k Vbar^-1) solves them; the transposed orientation,
// (1/n) sum y_i(t) y_k(t+h), would give the coefficients of the time-reversed
// process instead.
std::vector<Matrix> SampleCovarianceMatrices(const MeanCorrectedData& data, int maxLag);

// One stage k of an order-recursive fit: Phi_k,1..Phi_k,k and V_k.
struct VarStage {
  std::vector<Matrix> phi;
  Matrix v;
};

// The stages 0..p of a fit; fewer when a covariance stopped being positive definite.
using VarStages = std::vector<VarStage>;

struct VarFit {
  int order = 0;
  std::vector<Matrix> phi;
  Matrix v;
  double aicc = 0.0;
};

enum class VarEstimator { kYuleWalker, kBurg };

// -2 ln L of order p of the stages (p < stages.size()); nothing when a
// determinant is not positive.
std::optional<double> VarMinus2LogLikelihood(VarEstimator estimator, const MeanCorrectedData& data,
                                             const VarStages& stages, int p);

// AICC = -2 ln L + 2 (p m^2 + 1) n m / (n m - p m^2 - 2); 1e20 when n m <= p m^2 + 2.
double VarAicc(double minus2LogL, int n, int m, int p);

// The stages 0..maxOrder of the estimator (Whittle's recursion or Burg).
VarStages VarRecursion(VarEstimator estimator, const MeanCorrectedData& data, int maxOrder);

// The fit of order p, or, with search, of the order 0..20 with the smallest
// AICC (the first on ties; a stage that cannot be fitted ends the search).
// Nothing when not even the order asked for (or order 0) can be fitted.
std::optional<VarFit> FitVar(VarEstimator estimator, const MeanCorrectedData& data, int p, bool search);

// phi0 = mu - (Phi_1 + ... + Phi_p) mu.
std::vector<double> VarConstant(const std::vector<Matrix>& phi, const std::vector<double>& mu);

// The largest order the dialogs accept plus one: (n m - 2) div m^2, at most 21.
int VarOrderBound(int n, int m);

}  // namespace kora
