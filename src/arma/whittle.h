// Estimation of the fractionally integrated ARMA model by the Whittle
// approximation to the likelihood, minimised by a Hooke-Jeeves pattern search.
#pragma once

#include <functional>
#include <vector>

#include "project/univariate_project.h"

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

// The fractional model's estimation (or, with noOptimization, its Whittle
// evaluation) on the project's working series; stores coefficients, d,
// sigma2 and the Whittle -2Log(Likelihood) and AIC.
void RunWhittleEstimation(UnivariateProject& project);

}  // namespace kora
