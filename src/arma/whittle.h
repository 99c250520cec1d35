// Estimation of the fractionally integrated ARMA model by the Whittle
// approximation to the likelihood, minimised by a Hooke-Jeeves pattern search.
#pragma once

#include <functional>
#include <vector>

#include "arma/arma_model.h"

namespace kora {

// I(omega_j), j = 1..n/2, of the mean-corrected series: |sum y(t) e^{-i t w}|^2 / (2 pi n).
std::vector<double> FourierPeriodogram(const std::vector<double>& x);

struct WhittleValue {
  double w = 0.0;       // the objective W; 1.0E30 for an inadmissible point
  double sigma2 = 0.0;  // sigma2_W
};

// W = ln sigma2_W + (2/n) sum ln g(omega_j) with sigma2_W the mean of
// 2 pi I / g over the frequencies of (-pi, pi] (the one at pi, for even n,
// counted once). Coefficients are combined: phi(1..p), theta(1..q).
WhittleValue WhittleObjective(const std::vector<double>& periodogram, int n,
                              const std::vector<double>& coefficients, int p, int q, double d);

struct PatternSearchResult {
  std::vector<double> x;
  double f = 0.0;
  int evaluations = 0;
};

// Hooke-Jeeves: exploratory moves of +-h per coordinate, pattern moves after
// each success, h halved after a failed sweep until it would fall below 0.4
// times the initial step.
PatternSearchResult HookeJeeves(const std::function<double(const std::vector<double>&)>& f,
                                std::vector<double> x0, double step);

struct WhittleOptions {
  bool noOptimization = false;  // only evaluate W at the model
  bool estimateD = true;        // false: d stays fixed
  double step = 0.1;            // initial step of the pattern search
};

// What a Whittle fit gives back for the project to store.
struct WhittleEstimate {
  bool changed = false;              // false: the start was inadmissible, nothing to store
  bool evaluatedOnly = false;        // noOptimization: only the likelihood fields are set
  std::vector<double> coefficients;  // phi(1..p) then theta(1..q)
  double d = 0.0;
  double sigma2 = 0.0;     // sigma2_W
  double objective = 0.0;  // W
  double minus2LogLikelihood = 0.0;
  double aic = 0.0;  // + 2(p+q+1), + 2 when d is estimated
  int evaluations = 0;
};

// The fractional model's estimation (or, with noOptimization, its Whittle
// evaluation, whose -2Log(Likelihood) uses the model's own sigma2) on the
// working series.
WhittleEstimate EstimateWhittle(const std::vector<double>& series, const ArmaModel& model,
                                const WhittleOptions& options);
void StoreWhittleEstimate(const WhittleEstimate& estimate, ArmaModel& model);

}  // namespace kora
