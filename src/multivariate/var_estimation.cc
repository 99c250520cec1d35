#include "multivariate/var_estimation.h"

#include <cmath>
#include <cstddef>

#include "linalg/cholesky.h"
#include "multivariate/multivariate_burg.h"
#include "multivariate/whittle_recursion.h"

namespace kora {

using std::size_t;

namespace {

constexpr double kNoAicc = 1.0e20;
// The constants as the likelihood formulas are written: ln(2 pi) and
// 1 + ln(2 pi) to six decimals for Yule-Walker, ln of 2 pi to ten digits for Burg.
constexpr double kLog2PiYuleWalker = 1.837877;
constexpr double kOnePlusLog2PiYuleWalker = 2.837877;
const double kOnePlusLog2PiBurg = 1.0 + std::log(6.283185307);

// Sum over t of ln det V_k + e(t)' V_k^-1 e(t), e(t) the prediction error of
// stage k = min(t-1, p).
std::optional<double> PredictionErrorSum(const MeanCorrectedData& data, const VarStages& stages, int p) {
  const int m = data.m;
  std::vector<std::vector<double>> factors(p + 1);
  std::vector<double> logDet(p + 1);
  for (int k = 0; k <= p; ++k) {
    if (!CholeskyFactor(stages[k].v, m, factors[k])) return std::nullopt;
    logDet[k] = CholeskyLogDeterminant(factors[k], m);
  }
  double sum = 0.0;
  std::vector<double> e(m);
  for (int t = 0; t < data.n; ++t) {
    const int k = std::min(t, p);
    const double* now = &data.y[static_cast<size_t>(t) * m];
    for (int i = 0; i < m; ++i) e[i] = now[i];
    for (int j = 1; j <= k; ++j) {
      const double* past = &data.y[static_cast<size_t>(t - j) * m];
      const Matrix& phi = stages[k].phi[j - 1];
      for (int i = 0; i < m; ++i) {
        double s = 0.0;
        for (int l = 0; l < m; ++l) s += phi[static_cast<size_t>(i) * m + l] * past[l];
        e[i] -= s;
      }
    }
    // e' V^-1 e = |L^-1 e|^2.
    const std::vector<double>& l = factors[k];
    double quadratic = 0.0;
    for (int i = 0; i < m; ++i) {
      double s = e[i];
      for (int c = 0; c < i; ++c) s -= l[static_cast<size_t>(i) * m + c] * e[c];
      e[i] = s / l[static_cast<size_t>(i) * m + i];
      quadratic += e[i] * e[i];
    }
    sum += logDet[k] + quadratic;
  }
  return sum;
}

}  // namespace

MeanCorrectedData MeanCorrect(const std::vector<std::vector<double>>& values) {
  MeanCorrectedData data;
  data.m = static_cast<int>(values.size());
  data.n = data.m > 0 ? static_cast<int>(values[0].size()) : 0;
  data.mu.assign(data.m, 0.0);
  data.y.resize(static_cast<size_t>(data.n) * data.m);
  for (int i = 0; i < data.m; ++i) {
    double sum = 0.0;
    for (double x : values[i]) sum += x;
    data.mu[i] = data.n > 0 ? sum / data.n : 0.0;
    for (int t = 0; t < data.n; ++t) data.y[static_cast<size_t>(t) * data.m + i] = values[i][t] - data.mu[i];
  }
  return data;
}

std::vector<Matrix> SampleCovarianceMatrices(const MeanCorrectedData& data, int maxLag) {
  const int n = data.n, m = data.m;
  std::vector<Matrix> gamma(maxLag + 1, Matrix(static_cast<size_t>(m) * m, 0.0));
  for (int h = 0; h <= maxLag && h < n; ++h) {
    Matrix& g = gamma[h];
    for (int t = 0; t + h < n; ++t) {
      const double* later = &data.y[static_cast<size_t>(t + h) * m];
      const double* earlier = &data.y[static_cast<size_t>(t) * m];
      for (int i = 0; i < m; ++i)
        for (int k = 0; k < m; ++k) g[static_cast<size_t>(i) * m + k] += later[i] * earlier[k];
    }
    for (double& v : g) v /= n;
  }
  return gamma;
}

std::optional<double> VarMinus2LogLikelihood(VarEstimator estimator, const MeanCorrectedData& data,
                                             const VarStages& stages, int p) {
  const double nm = static_cast<double>(data.n) * data.m;
  if (estimator == VarEstimator::kBurg || p == 0) {
    std::vector<double> l;
    if (!CholeskyFactor(stages[p].v, data.m, l)) return std::nullopt;
    const double constant = estimator == VarEstimator::kBurg ? kOnePlusLog2PiBurg : kOnePlusLog2PiYuleWalker;
    return nm * constant + data.n * CholeskyLogDeterminant(l, data.m);
  }
  const std::optional<double> sum = PredictionErrorSum(data, stages, p);
  if (!sum) return std::nullopt;
  return nm * kLog2PiYuleWalker + *sum;
}

double VarAicc(double minus2LogL, int n, int m, int p) {
  const double nm = static_cast<double>(n) * m, pm2 = static_cast<double>(p) * m * m;
  if (!(nm > pm2 + 2.0)) return kNoAicc;
  return minus2LogL + 2.0 * (pm2 + 1.0) * nm / (nm - pm2 - 2.0);
}

VarStages VarRecursion(VarEstimator estimator, const MeanCorrectedData& data, int maxOrder) {
  if (estimator == VarEstimator::kBurg) return BurgStages(data, maxOrder);
  return WhittleStages(SampleCovarianceMatrices(data, maxOrder), data.m, maxOrder);
}

std::optional<VarFit> FitVar(VarEstimator estimator, const MeanCorrectedData& data, int p, bool search) {
  const int top = search ? kMaxVarOrder : p;
  const VarStages stages = VarRecursion(estimator, data, top);
  std::optional<VarFit> best;
  for (int order = search ? 0 : p; order <= top && order < static_cast<int>(stages.size()); ++order) {
    const std::optional<double> minus2LogL = VarMinus2LogLikelihood(estimator, data, stages, order);
    if (!minus2LogL) break;
    const double aicc = VarAicc(*minus2LogL, data.n, data.m, order);
    if (!best || aicc < best->aicc) best = VarFit{order, stages[order].phi, stages[order].v, aicc};
  }
  return best;
}

std::vector<double> VarConstant(const std::vector<Matrix>& phi, const std::vector<double>& mu) {
  const int m = static_cast<int>(mu.size());
  std::vector<double> phi0 = mu;
  for (const Matrix& a : phi)
    for (int i = 0; i < m; ++i)
      for (int k = 0; k < m; ++k) phi0[i] -= a[static_cast<size_t>(i) * m + k] * mu[k];
  return phi0;
}

int VarOrderBound(int n, int m) {
  if (m < 1) return 0;
  const int bound = (n * m - 2) / (m * m);
  return bound > kMaxVarOrder ? kMaxVarOrder + 1 : bound;
}

}  // namespace kora
