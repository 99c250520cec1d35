// Preliminary estimation of the project's model: runs the chosen estimator
// (or the minimum-AICC AR order search) on the working series, stores the
// model with its exact likelihood and the estimator's own results.
#pragma once

#include <vector>

#include "arma/estimation_settings.h"
#include "project/univariate_project.h"

namespace kora {

struct PreliminaryRequest {
  int p = 0;
  int q = 0;
  int method = 0;       // PreliminaryMethod
  int acvfEntered = 0;  // Innovations: the count typed in the dialog (0 = automatic)
};

enum class PreliminaryOutcome {
  kDone,
  kNonCausal,  // every coefficient was set to 0.001
  kFailed,     // singular system or series too short: the project is unchanged
};

// The best AR order by AICC (order 0 is white noise) with the Yule-Walker
// (method 1) or Burg (method 2) estimator, orders 1..min(n-3, 26).
int MinimumAiccOrder(const std::vector<double>& x, int method);

// What a preliminary fit gives back for the project to store.
struct PreliminaryEstimate {
  PreliminaryOutcome outcome = PreliminaryOutcome::kFailed;
  std::vector<double> phi, theta;  // every coefficient 0.001 when the fit was not causal
  double sigma2 = 0.0;             // S/n of the exact likelihood, also the (Residual SS)/N
  double reducedLikelihood = 0.0;
  double minus2LogLikelihood = 0.0, aicc = 0.0, bic = 0.0, fpe = 0.0;
  std::vector<double> ratios;    // coefficient / (1.96 se), AR first; empty when not available
  PreliminarySettings settings;  // the method as the report names it
};

// Fits the request's orders by its method to the (mean-corrected) series.
PreliminaryEstimate EstimatePreliminary(const std::vector<double>& series, const PreliminaryRequest& request);

// Stores an estimate that did not fail as the project's model: every
// coefficient free, no relations, the innovations tolerance 1.0E-4.
void StorePreliminaryEstimate(const PreliminaryEstimate& estimate, UnivariateProject& project);

// Shown when an estimator meets a singular system.
inline constexpr const char* kPreliminaryFailedText =
    "Estimation failed: the series is too short or too regular for this model.";

}  // namespace kora
