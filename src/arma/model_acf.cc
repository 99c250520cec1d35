// Model ACF/PACF and AR/MA-infinity weights of ordinary and fractionally
// integrated ARMA models.
#include <algorithm>
#include <cmath>

#include "arma/model_acvf.h"
#include "stats/sample_stats.h"

namespace kora {

namespace {

constexpr int kExactLags = 26;  // lags taken from the exact ACVF
constexpr double kNegligible = 1.0e-30;

void DropNegligible(std::vector<double>& values) {
  for (double& v : values)
    if (std::fabs(v) < kNegligible) v = 0.0;
}

ModelAcfResult OrdinaryAcf(const ArmaModel& model, int lags) {
  ModelAcfResult result;
  const int p = std::clamp(model.arOrder, 0, kMaxCoefficients);
  const int q = std::clamp(model.maOrder, 0, kMaxCoefficients);
  std::vector<double> gamma(1, model.whiteNoiseVariance);
  if (p > 0 || q > 0) {
    const std::vector<double> c = CombinedCoefficients(model);
    if (ModelAcvf(std::min(lags, kExactLags), kAcvfCompute, c, p, q, model.whiteNoiseVariance, gamma) != 0) {
      result.status = -1;
      return result;
    }
  }
  result.gamma0 = gamma[0];
  result.acf.assign(lags + 1, 0.0);
  result.acf[0] = 1.0;
  for (int h = 1; h < static_cast<int>(gamma.size()) && h <= lags; ++h)
    result.acf[h] = gamma[0] != 0.0 ? gamma[h] / gamma[0] : 0.0;
  for (int h = static_cast<int>(gamma.size()); h <= lags; ++h) {
    double value = 0.0;
    for (int j = 1; j <= p; ++j) value += model.phi[j - 1] * result.acf[h - j];
    result.acf[h] = value;
  }
  return result;
}

// Autocorrelations of (1-B)^(-d) Z(t) at lags 0..count-1.
std::vector<double> FractionalNoiseAcf(double d, int count) {
  std::vector<double> rho(std::max(count, 1));
  rho[0] = 1.0;
  for (int h = 0; h + 1 < count; ++h) rho[h + 1] = rho[h] * (h + d) / (h + 1 - d);
  return rho;
}

ModelAcfResult FractionalAcf(const ArmaModel& model, int lags) {
  ModelAcfResult result;
  const int p = std::clamp(model.arOrder, 0, kMaxCoefficients);
  const int q = std::clamp(model.maOrder, 0, kMaxCoefficients);
  const std::vector<double> c = CombinedCoefficients(model);
  std::vector<double> unused;
  if (ModelAcvf(0, kAcvfCausality, c, p, q, 1.0, unused) != 0) {
    result.status = -1;
    return result;
  }
  const int m = std::max(model.impulseTerms, 0);
  const double d = model.fractionalD;
  std::vector<double> psi = PsiWeights(p, q, c, m + 1);
  DropNegligible(psi);
  const std::vector<double> rhoY = FractionalNoiseAcf(d, lags + m + 1);
  auto rhoAt = [&](int h) { return rhoY[std::abs(h)]; };
  // sum_i sum_j psi(i) psi(j) rho(h+j-i) = sum_k a(k) rho(h+k), a(k) = sum_i psi(i) psi(i+k).
  std::vector<double> a(2 * m + 1, 0.0);  // a[k + m], k = -m..m
  for (int k = 0; k <= m; ++k) {
    double sum = 0.0;
    for (int i = 0; i + k <= m; ++i) sum += psi[i] * psi[i + k];
    a[m + k] = a[m - k] = sum;
  }
  std::vector<double> g(lags + 1, 0.0);
  for (int h = 0; h <= lags; ++h) {
    double sum = 0.0;
    for (int k = -m; k <= m; ++k) sum += a[k + m] * rhoAt(h + k);
    g[h] = sum;
  }
  const double scale = std::exp(std::lgamma(1.0 - 2.0 * d) - 2.0 * std::lgamma(1.0 - d));
  result.gamma0 = g[0] * scale;
  result.acf.assign(lags + 1, 0.0);
  for (int h = 0; h <= lags; ++h) result.acf[h] = g[0] != 0.0 ? g[h] / g[0] : 0.0;
  result.acf[0] = 1.0;
  return result;
}

// Coefficients of (1-B)^(-d) (sign = 1) or (1-B)^d (sign = -1).
std::vector<double> FractionalFilter(double d, int count) {
  std::vector<double> c(count, 0.0);
  if (count > 0) c[0] = 1.0;
  for (int j = 1; j < count; ++j) c[j] = c[j - 1] * (j - 1 + d) / j;
  return c;
}

std::vector<double> Convolve(const std::vector<double>& a, const std::vector<double>& b, int count) {
  std::vector<double> c(count, 0.0);
  for (int j = 0; j < count; ++j)
    for (int i = 0; i <= j; ++i) c[j] += a[i] * b[j - i];
  DropNegligible(c);
  return c;
}

}  // namespace

ModelAcfResult ModelAcfPacf(const ArmaModel& model, int lags) {
  lags = std::max(lags, 0);
  ModelAcfResult result = model.fractional ? FractionalAcf(model, lags) : OrdinaryAcf(model, lags);
  if (result.status == 0) result.pacf = PartialAutocorrelations(result.acf);
  return result;
}

InfinityWeights ArMaInfinityWeights(const ArmaModel& model, int count) {
  InfinityWeights weights;
  const int p = std::clamp(model.arOrder, 0, kMaxCoefficients);
  const int q = std::clamp(model.maOrder, 0, kMaxCoefficients);
  const std::vector<double> c = CombinedCoefficients(model);
  weights.psi = PsiWeights(p, q, c, count);
  weights.invertible = model.fractional || IsInvertible(model);
  if (weights.invertible) {
    // phi(z)/theta(z): AR coefficients -theta, MA coefficients -phi.
    std::vector<double> swapped;
    for (int j = 0; j < q; ++j) swapped.push_back(-c[p + j]);
    for (int j = 0; j < p; ++j) swapped.push_back(-c[j]);
    weights.pi = PsiWeights(q, p, swapped, count);
  }
  if (model.fractional) {
    weights.psi = Convolve(weights.psi, FractionalFilter(model.fractionalD, count), count);
    weights.pi = Convolve(weights.pi, FractionalFilter(-model.fractionalD, count), count);
  }
  return weights;
}

}  // namespace kora
