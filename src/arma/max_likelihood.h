// Maximum likelihood (or least squares) estimation of the project's ordinary
// ARMA model: the penalised objective over the free coefficients, the
// quasi-Newton minimisation, standard errors and the likelihood summaries.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "arma/arma_model.h"
#include "project/univariate_project.h"

namespace kora {

enum class MlOutcome {
  kDone,
  kNonCausal,       // the model was not causal: every coefficient is 0.001
  kIterationLimit,  // the minimiser stopped with code 4
};

// The minimiser's value for x written into the first freeParamCount entries of
// the free list: the objective of the evaluation, or f + |f|/2 + 0.01 (f the
// last stored objective) when the model is not causal, or when every
// coefficient is free and the MA part is not invertible.
double MlObjective(const std::vector<double>& series, ArmaModel& model, const std::vector<double>& x);

// Standard errors of the free coefficients from the final Hessian of the
// reduced likelihood (sqrt(2 H^-1(j,j) / n)), falling back to the asymptotic
// covariance of the ARMA estimators; standardErrors[0] = -1 when neither works.
void ComputeStandardErrors(ArmaModel& model, const std::vector<double>& hessian, int n);

// The dialog's default accuracy: |0.01 c| + 1.0E-5 with c the mean of the
// non-zero coefficients, 0.001 when all are zero.
double DefaultAccuracy(const ArmaModel& model);

// Runs the estimation on the project's working series in model.estimationMode,
// honouring model.noOptimization, accuracy and iterationLimit; sets
// project.iterationCount. Progress lines go to `progress` when given.
MlOutcome RunMaxLikelihood(UnivariateProject& project,
                           const std::function<void(const std::string&)>& progress = nullptr);

}  // namespace kora
