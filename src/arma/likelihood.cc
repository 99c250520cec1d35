#include "arma/likelihood.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "arma/model_acvf.h"

namespace kora {

namespace {

constexpr double kHugeSum = 1.0e12;
constexpr double kHugeMse = 1.0e24;
constexpr int kMseHorizon = 54;  // MSE stays at its 54-step value beyond
constexpr int kMaxHorizon = 2200;
constexpr double kCoefficientTolerance = 1.0e-5;

// The model as the recursion sees it: relations applied, white noise run as
// an AR(1) with phi1 = 0.
struct PreparedModel {
  std::vector<double> coefficients;
  int p = 0, q = 0;
  std::vector<double> gamma;  // unit-variance ACVF
};

std::optional<PreparedModel> Prepare(const ArmaModel& model) {
  PreparedModel prepared;
  prepared.p = std::clamp(model.arOrder, 0, kMaxCoefficients);
  prepared.q = std::clamp(model.maOrder, 0, kMaxCoefficients);
  prepared.coefficients = CombinedCoefficients(model);
  ApplyRelations(model, prepared.coefficients);
  if (prepared.p == 0 && prepared.q == 0) {
    prepared.p = 1;
    prepared.coefficients = {0.0};
  }
  const int p = prepared.p, q = prepared.q;
  if (p == 0) {
    prepared.gamma = MaAcvf(q + 1, q, prepared.coefficients.data(), 1.0);
  } else if (ModelAcvf(std::max(p, q), kAcvfCompute, prepared.coefficients, p, q, 1.0, prepared.gamma) != 0) {
    return std::nullopt;
  }
  return prepared;
}

// H-step predictors of the series and their mean squared errors (sigma2 units).
void OrdinaryForecasts(const PreparedModel& model, const std::vector<double>& x, const InnovationsResult& run,
                       double sigma2, int horizon, LikelihoodOutcome& out) {
  const int n = static_cast<int>(x.size()), p = model.p, q = model.q;
  const double* phi = model.coefficients.data();
  // theta(k, j) for k = n..n+H-1, theta(k, 0) = 1.
  auto theta = [&](int k, int j) {
    if (j == 0) return 1.0;
    const auto& row = run.tailTheta[k - n];
    return j <= static_cast<int>(row.size()) ? row[j - 1] : 0.0;
  };
  std::vector<double> value(x), innovation(n + horizon, 0.0);
  for (int t = 1; t <= n; ++t) innovation[t - 1] = x[t - 1] - run.predictors[t - 1];
  value.resize(n + horizon, 0.0);
  for (int h = 1; h <= horizon; ++h) {
    double f = 0.0;
    for (int i = 1; i <= p; ++i)
      if (n + h - i >= 1) f += phi[i - 1] * value[n + h - i - 1];
    for (int j = h; j <= q; ++j)
      if (n + h - j >= 1) f += theta(n + h - 1, j) * innovation[n + h - j - 1];
    value[n + h - 1] = f;
  }
  out.forecasts.assign(value.begin() + n, value.end());

  out.forecastAr.assign(phi, phi + p);
  out.forecastTheta.assign(run.tailTheta.begin(), run.tailTheta.begin() + horizon);
  out.forecastR.assign(run.r.begin() + n, run.r.begin() + n + horizon);
  out.forecastMse = PredictorMse(out.forecastAr, out.forecastTheta, out.forecastR, sigma2, horizon);
}

}  // namespace

LikelihoodOutcome ArmaLikelihood(const std::vector<double>& x, ArmaModel& model, int mode) {
  LikelihoodOutcome out;
  ++model.functionEvaluations;
  out.n = static_cast<int>(x.size());
  const std::optional<PreparedModel> prepared = Prepare(model);
  if (!prepared || out.n == 0) {
    out.status = -1;
    return out;
  }
  const InnovationsKernel kappa(prepared->coefficients, prepared->p, prepared->q, prepared->gamma);
  const int horizon = std::max(mode, 0);
  InnovationsRequest request;
  request.storeResiduals = model.storeResiduals;
  request.extraSteps = horizon;
  request.storePredictors = horizon > 0;  // only the forecasts need them
  InnovationsResult run = InnovationsAlgorithm(kappa, x, prepared->coefficients, request);
  if (run.status != 0) {
    out.status = -1;
    return out;
  }
  out.s = run.s;
  out.logSum = run.logSum;
  const int n = out.n;
  const int p = std::clamp(model.arOrder, 0, kMaxCoefficients),
            q = std::clamp(model.maOrder, 0, kMaxCoefficients);
  const double sigma2 = mode == kLeastSquares ? run.s / std::max(n - p - q, 1) : run.s / n;
  model.whiteNoiseVariance = sigma2;
  model.convergeIndex = run.convergeIndex;
  if (run.s > 0 && run.s / n > 0) {
    model.reducedLikelihood = std::log(run.s / n) + run.logSum / n;
    model.objective = mode == kMaximumLikelihood ? model.reducedLikelihood : std::log(sigma2);
  }
  if (model.storeResiduals) out.residuals = std::move(run.residuals);
  if (horizon > 0) OrdinaryForecasts(*prepared, x, run, sigma2, horizon, out);
  return out;
}

std::vector<double> PredictorMse(const std::vector<double>& ar, const std::vector<std::vector<double>>& theta,
                                 const std::vector<double>& r, double sigma2, int horizon) {
  horizon = std::min({horizon, static_cast<int>(theta.size()), static_cast<int>(r.size())});
  const int p = static_cast<int>(ar.size());
  std::vector<double> chi(std::min(horizon, kMseHorizon), 0.0);  // 1/phi(z)
  for (int j = 0; j < static_cast<int>(chi.size()); ++j) {
    chi[j] = j == 0 ? 1.0 : 0.0;
    for (int k = 1; k <= std::min(j, p); ++k) chi[j] += ar[k - 1] * chi[j - k];
  }
  // theta(n+k, i) from the rows kept for k = 0..H-1; theta(., 0) = 1.
  auto coefficient = [&theta](int k, int i) {
    if (i == 0) return 1.0;
    const auto& row = theta[k];
    return i <= static_cast<int>(row.size()) ? row[i - 1] : 0.0;
  };
  std::vector<double> mse(horizon, 0.0);
  for (int h = 1; h <= horizon; ++h) {
    if (h > kMseHorizon) {
      mse[h - 1] = mse[h - 2];
      continue;
    }
    double sum = 0.0;
    bool huge = false;
    for (int j = 0; j < h && !huge; ++j) {
      double inner = 0.0;
      for (int k = 0; k <= j; ++k) inner += chi[k] * coefficient(h - k - 1, j - k);
      huge = std::fabs(inner) > kHugeSum;
      sum += inner * inner * r[h - j - 1];
    }
    mse[h - 1] = huge ? kHugeMse : sigma2 * sum;
  }
  return mse;
}

std::vector<double> WorkingSeries(const UnivariateProject& project) {
  std::vector<double> x = project.series;
  if (TrendPresent(project.trend) || x.empty()) return x;
  double mean = 0.0;
  for (double v : x) mean += v;
  mean /= static_cast<double>(x.size());
  for (double& v : x) v -= mean;
  return x;
}

int ArmaLikelihood(UnivariateProject& project, int mode) {
  LikelihoodOutcome out = ArmaLikelihood(WorkingSeries(project), project.model, mode);
  if (out.status != 0) return out.status;
  if (project.model.storeResiduals) project.residuals = std::move(out.residuals);
  if (mode > 0) {
    project.armaForecasts = std::move(out.forecasts);
    project.armaForecastMse = std::move(out.forecastMse);
  }
  return 0;
}

InnovationsCoefficientsResult InnovationsCoefficients(const std::vector<double>& series,
                                                      const ArmaModel& model) {
  InnovationsCoefficientsResult result;
  const std::optional<PreparedModel> prepared = Prepare(model);
  if (!prepared) {
    result.status = -1;
    return result;
  }
  const InnovationsKernel kappa(prepared->coefficients, prepared->p, prepared->q, prepared->gamma);
  const double tolerance = std::min(model.innovTolerance, kCoefficientTolerance);
  int steps = std::max(static_cast<int>(series.size()), 1);
  std::vector<double> x(series);
  for (;;) {
    x.resize(steps, 0.0);  // values beyond the series are taken as 0
    InnovationsRequest request;
    request.storePredictors = false;
    request.changeTolerance = tolerance;
    const InnovationsResult run = InnovationsAlgorithm(kappa, x, prepared->coefficients, request);
    if (run.status != 0) {
      result.status = -1;
      return result;
    }
    result.theta.assign(prepared->q, 0.0);
    for (int j = 0; j < prepared->q && j < static_cast<int>(run.thetaLast.size()); ++j)
      result.theta[j] = run.thetaLast[j];
    result.r = run.RAt(steps);
    result.steps = steps;
    if (run.convergeIndex < steps || steps >= kMaxHorizon) return result;
    steps = std::min(2 * steps, kMaxHorizon);
  }
}

InnovationsCoefficientsResult InnovationsCoefficients(const UnivariateProject& project) {
  return InnovationsCoefficients(WorkingSeries(project), project.model);
}

}  // namespace kora
