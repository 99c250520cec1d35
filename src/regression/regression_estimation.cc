#include "regression/regression_estimation.h"

#include "arma/likelihood.h"
#include "linalg/cholesky.h"
#include "linalg/householder_qr.h"
#include "regression/regression_design.h"

namespace kora {

namespace {

// The current series becomes Y again and the fit is released.
void RestoreData(UnivariateProject& project) {
  RegressionTrend& trend = project.trend;
  if (trend.fit.size() == project.series.size())
    for (size_t t = 0; t < trend.fit.size(); ++t) project.series[t] += trend.fit[t];
  trend.fit.clear();
}

bool DesignFits(const UnivariateProject& project) {
  const RegressionTrend& trend = project.trend;
  return trend.trendSpecified && trend.regressorCount > 0 && project.HasData() &&
         trend.design.size() == static_cast<size_t>(project.count()) * trend.regressorCount;
}

}  // namespace

int BuildTrendDesign(UnivariateProject& project) {
  RegressionTrend& trend = project.trend;
  trend.regressorCount = RegressorCount(trend);
  trend.auxFlag = false;
  if (trend.regressorCount > 0 && project.HasData()) {
    trend.design = BuildDesign(trend, project.count());
    trend.trendSpecified = true;
    trend.estimationState = kTrendNotEstimated;
  }
  return trend.regressorCount;
}

std::vector<double> TrendData(const UnivariateProject& project) {
  std::vector<double> y = project.series;
  if (project.trend.fit.size() == y.size())
    for (size_t t = 0; t < y.size(); ++t) y[t] += project.trend.fit[t];
  return y;
}

bool EstimateRegressionLS(UnivariateProject& project) {
  if (!DesignFits(project)) return false;
  RegressionTrend& trend = project.trend;
  RestoreData(project);
  const int n = project.count(), m = trend.regressorCount;
  LeastSquaresResult ls = SolveLeastSquares(trend.design, n, m, project.series, 0.0);
  trend.fit.resize(n);
  for (int t = 0; t < n; ++t) trend.fit[t] = project.series[t] - ls.residual[t];
  project.series = std::move(ls.residual);
  trend.beta = std::move(ls.beta);
  trend.covariance.clear();
  trend.estimationState = kTrendLeastSquares;
  return true;
}

std::vector<double> ModelResiduals(const std::vector<double>& series, const ArmaModel& model) {
  ArmaModel copy = model;
  copy.storeResiduals = true;
  LikelihoodOutcome out = ArmaLikelihood(series, copy, kMaximumLikelihood);
  if (out.status != 0 || out.residuals.size() != series.size()) return {};
  return std::move(out.residuals);
}

bool EstimateRegressionGLS(UnivariateProject& project) {
  if (!DesignFits(project)) return false;
  RegressionTrend& trend = project.trend;
  const int n = project.count(), m = trend.regressorCount;
  const std::vector<double> y = TrendData(project);
  const std::vector<double> yStar = ModelResiduals(y, project.model);
  if (yStar.empty()) return false;
  std::vector<double> dStar(static_cast<size_t>(n) * m);
  for (int j = 0; j < m; ++j) {
    const std::vector<double> column(trend.design.begin() + static_cast<size_t>(j) * n,
                                     trend.design.begin() + static_cast<size_t>(j + 1) * n);
    const std::vector<double> transformed = ModelResiduals(column, project.model);
    if (transformed.empty()) return false;
    std::copy(transformed.begin(), transformed.end(), dStar.begin() + static_cast<size_t>(j) * n);
  }
  RestoreData(project);
  const LeastSquaresResult ls = SolveLeastSquares(dStar, n, m, yStar, 0.0);
  trend.beta = ls.beta;
  trend.fit.assign(n, 0.0);
  for (int j = 0; j < m; ++j)
    for (int t = 0; t < n; ++t) trend.fit[t] += trend.design[static_cast<size_t>(j) * n + t] * trend.beta[j];
  for (int t = 0; t < n; ++t) project.series[t] = y[t] - trend.fit[t];
  // sigma2 (D*'D*)^-1 over the columns in the basis; a column left out has
  // no variance of its own (0).
  std::vector<int> kept;
  for (int j = 0; j < m; ++j)
    if (ls.kept[j]) kept.push_back(j);
  const int r = static_cast<int>(kept.size());
  std::vector<double> cross(static_cast<size_t>(r) * r), inverse;
  for (int a = 0; a < r; ++a)
    for (int b = 0; b < r; ++b) {
      double s = 0.0;
      for (int t = 0; t < n; ++t)
        s += dStar[static_cast<size_t>(kept[a]) * n + t] * dStar[static_cast<size_t>(kept[b]) * n + t];
      cross[static_cast<size_t>(b) * r + a] = s;
    }
  trend.covariance.assign(static_cast<size_t>(m) * m, 0.0);
  if (InversePositiveDefinite(cross, r, inverse)) {
    const double sigma2 = project.model.whiteNoiseVariance;
    for (int a = 0; a < r; ++a)
      for (int b = 0; b < r; ++b)
        trend.covariance[static_cast<size_t>(kept[b]) * m + kept[a]] = sigma2 * inverse[static_cast<size_t>(b) * r + a];
  }
  trend.estimationState = kTrendGeneralizedLs;
  return true;
}

void RemoveRegressionTrend(UnivariateProject& project) {
  RestoreData(project);
  const bool intercept = project.trend.includeIntercept;
  project.trend = RegressionTrend{};
  project.trend.includeIntercept = intercept;
}

}  // namespace kora
