// Preliminary estimation of the project's model: runs the chosen estimator
// (or the minimum-AICC AR order search) on the working series, stores the
// model with its exact likelihood and the estimator's own results.
#pragma once

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

PreliminaryOutcome RunPreliminaryEstimation(UnivariateProject& project, const PreliminaryRequest& request);

// Shown when an estimator meets a singular system.
inline constexpr const char* kPreliminaryFailedText =
    "Estimation failed: the series is too short or too regular for this model.";

}  // namespace kora
