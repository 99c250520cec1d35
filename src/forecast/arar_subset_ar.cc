// Stages 2 and 3 of ARAR: the subset autoregression of the shortened series
// and the whitening filter.
#include <array>
#include <cmath>
#include <optional>

#include "arma/model_acvf.h"
#include "forecast/arar.h"
#include "linalg/lu.h"

namespace kora {

namespace {

constexpr double kRejected = 1e30;

using Lags = std::array<int, 4>;
using Coefficients = std::array<double, 4>;

// Yule-Walker equations of the lags in terms of rho; nothing when the system
// is singular.
std::optional<Coefficients> SolveYuleWalker(const std::vector<double>& rho, const Lags& lags) {
  std::vector<double> a(16), b(4);
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) a[i * 4 + j] = rho[std::abs(lags[i] - lags[j])];
    b[i] = rho[lags[i]];
  }
  // rho(0) = 1 is the largest entry, so the relative tolerance is absolute.
  if (!SolveGeneral(std::move(a), 4, b, 1e-12)) return std::nullopt;
  return Coefficients{b[0], b[1], b[2], b[3]};
}

// n' l + 8 with l the reduced Gaussian likelihood of the subset model on x:
// exact one-step predictors from the model autocovariances by the
// Durbin-Levinson recursion for t <= l3, the AR recursion afterwards.
double LikelihoodCriterion(const std::vector<double>& x, const Lags& lags, const Coefficients& phi) {
  const int p = lags[3];
  const int n = static_cast<int>(x.size());
  std::vector<double> ar(static_cast<size_t>(p), 0.0);
  for (int i = 0; i < 4; ++i) ar[lags[i] - 1] = phi[i];
  std::vector<double> gamma;
  if (ModelAcvf(p, kAcvfCompute, ar, p, 0, 1.0, gamma) != 0) return kRejected;
  double s = 0.0, logSum = 0.0;
  std::vector<double> d;  // Durbin-Levinson coefficients of the current order
  double v = gamma[0];
  for (int t = 0; t < n; ++t) {
    const int order = std::min(t, p);
    const std::vector<double>& coef = t < p ? d : ar;
    const double r = t < p ? v : 1.0;
    if (!(r > 0.0)) return kRejected;
    double predicted = 0.0;
    for (int j = 1; j <= order; ++j) predicted += coef[j - 1] * x[t - j];
    s += (x[t] - predicted) * (x[t] - predicted) / r;
    logSum += std::log(r);
    if (t < p) {  // raise the order to t + 1
      const int k = t + 1;
      double num = gamma[k];
      for (int j = 1; j < k; ++j) num -= d[j - 1] * gamma[k - j];
      const double kappa = num / v;
      std::vector<double> next(static_cast<size_t>(k));
      for (int j = 1; j < k; ++j) next[j - 1] = d[j - 1] - kappa * d[k - j - 1];
      next[k - 1] = kappa;
      d = std::move(next);
      v *= 1.0 - kappa * kappa;
    }
  }
  if (!(s / n > 0.0)) return kRejected;
  return n * (std::log(s / n) + logSum / n) + 2.0 * 4;
}

}  // namespace

void SubsetArFit(ArarSettings& settings, const std::vector<double>& y) {
  const int n = static_cast<int>(y.size());
  const int d = settings.shortDegree;
  const std::vector<double>& psi = settings.shortCoef;
  const int shortened = n - d;
  std::vector<double> x(static_cast<size_t>(shortened));
  double mean = 0.0;
  for (int t = 0; t < shortened; ++t) {
    double s = 0.0;
    for (int j = 0; j <= d; ++j) s += psi[j] * y[t + d - j];
    x[t] = s;
    mean += s;
  }
  mean /= shortened;
  for (double& v : x) v -= mean;

  const int acvfCount = std::min(shortened, 27);
  std::vector<double> gamma(static_cast<size_t>(acvfCount), 0.0);
  for (int h = 0; h < acvfCount; ++h) {
    for (int t = 0; t + h < shortened; ++t) gamma[h] += x[t] * x[t + h];
    gamma[h] /= shortened;
  }
  std::vector<double> rho(gamma.size(), 0.0);
  rho[0] = 1.0;
  if (gamma[0] > 0.0)
    for (int h = 1; h < acvfCount; ++h) rho[h] = gamma[h] / gamma[0];

  const int ceiling = settings.ararMethod == kArarMinVariance26 ? 26 : 13;
  // Deep shortening can leave fewer lags than one triple needs; the triple
  // (2, 3, 4) is always searched (the shortened series keeps at least five
  // values, so rho(4) exists).
  const int maxLag = std::min(std::max(std::min(shortened - d - 1, ceiling), 4), acvfCount - 1);
  Lags bestLags{1, 2, 3, 4};
  Coefficients bestPhi{};
  double bestCriterion = 0.0;
  bool first = true;
  for (int l1 = 2; l1 <= maxLag; ++l1)
    for (int l2 = l1 + 1; l2 <= maxLag; ++l2)
      for (int l3 = l2 + 1; l3 <= maxLag; ++l3) {
        const Lags lags{1, l1, l2, l3};
        const std::optional<Coefficients> phi = SolveYuleWalker(rho, lags);
        double criterion = kRejected;
        if (phi && settings.ararMethod == kArarMaxLikelihood13) {
          criterion = LikelihoodCriterion(x, lags, *phi);
        } else if (phi) {
          criterion = gamma[0];
          double explained = 0.0;
          for (int i = 0; i < 4; ++i) explained += (*phi)[i] * rho[lags[i]];
          criterion *= 1.0 - explained;
        }
        if (first || criterion < bestCriterion) {
          bestLags = lags;
          bestPhi = phi.value_or(Coefficients{});
          bestCriterion = criterion;
          first = false;
        }
      }
  settings.subsetLag = bestLags;
  settings.subsetCoef = bestPhi;
  settings.ararMean = mean;

  // xi(B) = phi(B) psi(B), of degree maxLag + d.
  const int degree = maxLag + d;
  std::vector<double> phiPoly(static_cast<size_t>(maxLag) + 1, 0.0);
  phiPoly[0] = 1.0;
  for (int i = 0; i < 4; ++i) phiPoly[bestLags[i]] -= bestPhi[i];
  std::vector<double> xi(static_cast<size_t>(degree) + 1, 0.0);
  for (int i = 0; i <= maxLag; ++i)
    for (int j = 0; j <= d; ++j) xi[i + j] += phiPoly[i] * psi[j];
  settings.whitenCoef = xi;

  double phiSum = 0.0;
  for (double c : bestPhi) phiSum += c;
  const double constant = mean * (1.0 - phiSum);
  const int span = bestLags[3] + d;
  double sum = 0.0;
  for (int t = span + 1; t <= n; ++t) {
    double fitted = constant;
    for (int j = 1; j <= span; ++j) fitted -= xi[j] * y[t - j - 1];
    sum += (y[t - 1] - fitted) * (y[t - 1] - fitted);
  }
  settings.ararRmse = n > span ? std::sqrt(sum / (n - span)) : 0.0;
}

}  // namespace kora
