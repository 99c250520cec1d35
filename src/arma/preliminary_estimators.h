// The moment-type estimators of preliminary estimation, as plain functions of
// a (mean-corrected) series: Yule-Walker, Burg, Innovations, Hannan-Rissanen.
#pragma once

#include <vector>

namespace kora {

struct PreliminaryFit {
  bool ok = false;  // false: a singular or ill-conditioned system, nothing else is valid
  std::vector<double> phi, theta;
  double methodWnVariance = 0.0;  // the estimator's own white-noise variance
  // coefficient / (1.96 standard error), AR first; empty when not available.
  std::vector<double> ratios;
};

// gamma(h) = (1/n) sum_{t=1}^{n-h} x(t) x(t+h), h = 0..maxLag, without mean
// correction; lags at or beyond n are 0.
std::vector<double> RawAutocovariances(const std::vector<double>& x, int maxLag);

PreliminaryFit YuleWalkerFit(const std::vector<double>& x, int p);
PreliminaryFit BurgFit(const std::vector<double>& x, int p);
// m sample autocovariances drive the innovations recursion (m >= p + q).
PreliminaryFit InnovationsFit(const std::vector<double>& x, int p, int q, int m);
PreliminaryFit HannanRissanenFit(const std::vector<double>& x, int p, int q);

// The number m of autocovariances of the Innovations method: an entered count
// when it fits the orders and the series, otherwise min(p+q+15, n-2).
int InnovationsAcvfCount(int entered, int p, int q, int n);
// The order of the long autoregression of Hannan-Rissanen: min(p+q+20, n/2, 54).
int HannanRissanenLongOrder(int p, int q, int n);

}  // namespace kora
