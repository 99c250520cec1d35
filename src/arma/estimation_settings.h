// Estimation results of a project that the ARMA model does not carry: what
// the last preliminary estimation did.
#pragma once

namespace kora {

// prelimMethod values
enum PreliminaryMethod : int {
  kYuleWalkerMinAicc = 1,
  kBurgMinAicc = 2,
  kYuleWalker = 3,
  kBurg = 4,
  kInnovations = 5,
  kHannanRissanen = 6,
};

struct PreliminarySettings {
  int prelimMethod = 0;
  int acvfCount = 0;              // m of the Innovations method
  double methodWnVariance = 0.0;  // the estimator's own white-noise variance
  // Whether model.standardErrors holds the coefficient / (1.96 se) ratios.
  bool ratiosAvailable = false;
};

}  // namespace kora
