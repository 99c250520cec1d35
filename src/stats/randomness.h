// Tests of the hypothesis that residuals are iid: the two portmanteau
// statistics, turning points, difference signs, the rank test, and the order
// of the minimum-AICC Yule-Walker autoregression of the residuals.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kora {

struct RandomnessStats {
  int n = 0;
  int h = 0;
  double ljungBox = 0.0;  // against chi-square(h - m)
  double mcLeodLi = 0.0;  // against chi-square(h)
  int turningPoints = 0;
  double turningMean = 0.0, turningSd = 0.0;
  int differenceSigns = 0;
  double differenceMean = 0.0, differenceSd = 0.0;
  std::int64_t rankPoints = 0;
  double rankMean = 0.0, rankSd = 0.0;
  int minAiccOrder = 0;
};

// Statistics of the residuals e(1..n) at lag h. Terms whose denominators
// vanish (lags at or beyond n, a zero variance) count as 0.
RandomnessStats RandomnessTestStats(const std::vector<double>& e, int h);

// Number of pairs i < j with e(i) < e(j) (ties count nothing), in O(n log n).
std::int64_t RankPairs(const std::vector<double>& e);

// Order p in 0..min(h, 26) of the Yule-Walker autoregression with the
// smallest AICC (the smaller order on a tie).
int MinAiccYuleWalkerOrder(const std::vector<double>& e, const std::vector<double>& rho, int h);

// h of the automatic tests: min(m + 21, n) - 1.
int AutomaticH(int m, int n);

// The "Tests of randomness" report; m is the number of free coefficients.
std::string RandomnessReportText(const RandomnessStats& stats, int m);

}  // namespace kora
