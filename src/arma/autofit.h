// Automatic ARMA order selection: every ARMA(p, q) with p <= maxP and
// q <= maxQ fitted by exact maximum likelihood from a preliminary start, the
// candidates ranked by AICC. The fits of one p + q run on a small pool of
// threads; each is a plain function of the series, its orders and the fits of
// the level before, so the result does not depend on the thread count.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "arma/arma_model.h"
#include "arma/max_likelihood.h"

namespace kora {

struct AutofitOptions {
  int maxP = 5;
  int maxQ = 5;
  int threads = 0;  // 0: one per core
  // Called on the calling thread while it waits, with the number of fits done.
  std::function<void(int done, int total)> progress;
};

struct AutofitCandidate {
  int p = 0, q = 0;
  bool usable = false;  // converged to a causal, invertible model with a defined AICC
  std::string status;   // "converged", or why the fit is not usable
  ArmaModel start;      // the model the fit started from (orders, free list, settings)
  MlEstimate estimate;
  double seconds = 0.0;  // wall time of the fit
};

struct AutofitResult {
  // Usable candidates by increasing AICC (ties: fewer coefficients, then
  // smaller p), then the others in the same order.
  std::vector<AutofitCandidate> candidates;
  int n = 0;
  double seconds = 0.0;  // wall time of the whole search
  bool found() const { return !candidates.empty() && candidates.front().usable; }
};

// Fits one candidate alone: maximum likelihood from a preliminary start
// (Yule-Walker for q = 0, innovations for p = 0, Hannan-Rissanen otherwise;
// skipped when it fails or is not causal and invertible) and from every
// coefficient 0, keeping the higher likelihood. The search also starts each
// order from the fits of ARMA(p-1, q) and ARMA(p, q-1) widened by a zero.
AutofitCandidate FitCandidate(const std::vector<double>& series, int p, int q);

AutofitResult Autofit(const std::vector<double>& series, const AutofitOptions& options);

}  // namespace kora
