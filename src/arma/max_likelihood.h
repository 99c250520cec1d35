// Maximum likelihood (or least squares) estimation of the project's ordinary
// ARMA model: the penalised objective over the free coefficients, the
// quasi-Newton minimisation, standard errors and the likelihood summaries.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "arma/arma_model.h"
#include "arma/minimizer.h"

namespace kora {

enum class MlOutcome {
  kDone,
  kNonCausal,       // the model was not causal: every coefficient is 0.001
  kIterationLimit,  // the minimiser stopped at its iteration limit
  kInterrupted,     // the progress callback asked to stop: the best estimate so far
};

struct MlOptions {
  int mode = kMaximumLikelihood;  // or kLeastSquares
  bool noOptimization = false;    // only evaluate the likelihood of the model
  double accuracy = 1.0e-3;       // the minimiser's step tolerance ("Accuracy parameter")
  int iterationLimit = 50;
  // Called after every iteration; returning false stops at the best estimate so far.
  std::function<bool(const MinimizerProgress&)> progress;
};

// What a maximum likelihood fit gives back for the project to store.
struct MlEstimate {
  MlOutcome outcome = MlOutcome::kDone;
  std::vector<double> coefficients;  // phi(1..p) then theta(1..q), relation targets computed
  int relationCount = 0;             // 0 when a non-causal model dropped the relations
  double sigma2 = 0.0;               // white-noise variance (the user's with noOptimization)
  double residualSsOverN = 0.0;      // S/n (S/(n-p-q) for least squares) at the estimate
  double reducedLikelihood = 0.0;
  double objective = 0.0;
  double minus2LogLikelihood = 0.0, aicc = 0.0, bic = 0.0, fpe = 0.0;
  std::array<double, kMaxCombined> standardErrors{};  // combined order; [0] = -1: none available
  MinimizerStop stop = MinimizerStop::kNone;
  int iterations = 0;
  int evaluations = 0;  // likelihood evaluations of the minimisation
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

// The options the model's dialog settings give (estimationMode,
// noOptimization, accuracy, iterationLimit), without progress.
MlOptions MlOptionsOf(const ArmaModel& model);

// Fits the model's free coefficients to the (working) series; the model gives
// the orders, the start, the fixed coefficients and the relations.
MlEstimate EstimateMaxLikelihood(const std::vector<double>& series, const ArmaModel& model,
                                 const MlOptions& options);

// Stores an estimate in the model (coefficients, variance, summaries,
// previous AICC, standard errors, stop code and evaluation count).
void StoreMlEstimate(const MlEstimate& estimate, ArmaModel& model);

}  // namespace kora
