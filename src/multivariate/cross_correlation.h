// Sample cross-correlations of the series of a multivariate project
// (Model > Cross-ACF) and their report.
#pragma once

#include <string>
#include <vector>

#include "multivariate/var_estimation.h"

namespace kora {

// rho[i][j][lags + h] = corr(X_i(t+h), X_j(t)) for h = -lags..lags: Gamma(h)(i, j)
// over sqrt(Gamma(0)(i, i) Gamma(0)(j, j)), Gamma(-h)(i, j) = Gamma(h)(j, i).
// A constant series correlates 0 with everything.
using CrossCorrelations = std::vector<std::vector<std::vector<double>>>;
CrossCorrelations SampleCrossCorrelations(const MeanCorrectedData& data, int lags);

// The report: the bound 1.96/sqrt(n), then for every pair the correlations
// at lags -lags..lags, 5 to a line.
std::string CrossCorrelationText(const CrossCorrelations& rho, int n, int lags);

}  // namespace kora
