#include "arma/model_acvf.h"

#include <algorithm>
#include <cmath>

#include "linalg/lu.h"

namespace kora {

bool StepDownStable(const std::vector<double>& coefficients) {
  std::vector<double> a = coefficients;
  for (int k = static_cast<int>(a.size()); k >= 1; --k) {
    const double last = a[k - 1];
    if (!(std::fabs(last) < 1.0)) return false;  // also catches NaN
    if (k == 1) break;
    const double scale = 1.0 - last * last;
    std::vector<double> lower(k - 1);
    for (int j = 1; j <= k - 1; ++j) lower[j - 1] = (a[j - 1] + last * a[k - j - 1]) / scale;
    a = std::move(lower);
  }
  return true;
}

bool IsCausal(const ArmaModel& model) {
  const int p = std::clamp(model.arOrder, 0, kMaxCoefficients);
  return StepDownStable(std::vector<double>(model.phi.begin(), model.phi.begin() + p));
}

bool IsInvertible(const ArmaModel& model) {
  const int q = std::clamp(model.maOrder, 0, kMaxCoefficients);
  std::vector<double> a(q);
  for (int j = 0; j < q; ++j) a[j] = -model.theta[j];
  return StepDownStable(a);
}

std::vector<double> MaAcvf(int maxLag, int q, const double* theta, double sigma2) {
  std::vector<double> gamma(std::max(maxLag, 0) + 1, 0.0);
  auto th = [&](int j) { return j == 0 ? 1.0 : theta[j - 1]; };
  for (int h = 0; h <= std::min(q, maxLag); ++h) {
    double sum = 0.0;
    for (int j = 0; j <= q - h; ++j) sum += th(j) * th(j + h);
    gamma[h] = sigma2 * sum;
  }
  return gamma;
}

std::vector<double> PsiWeights(int p, int q, const std::vector<double>& coefficients, int count) {
  std::vector<double> psi(std::max(count, 0), 0.0);
  for (int j = 0; j < count; ++j) {
    double value = j == 0 ? 1.0 : (j <= q ? coefficients[p + j - 1] : 0.0);
    for (int k = 1; k <= std::min(j, p); ++k) value += coefficients[k - 1] * psi[j - k];
    psi[j] = value;
  }
  return psi;
}

int ModelAcvf(int maxLag, int mode, const std::vector<double>& coefficients, int p, int q, double sigma2,
              std::vector<double>& gamma) {
  if (mode == kAcvfInvertibility) {
    std::vector<double> a(q);
    for (int j = 0; j < q; ++j) a[j] = -coefficients[p + j];
    return StepDownStable(a) ? 0 : -1;
  }
  if (!StepDownStable(std::vector<double>(coefficients.begin(), coefficients.begin() + p))) return -1;
  if (mode == kAcvfCausality) return 0;

  const int lags = std::max(maxLag, 0);
  if (p == 0) {
    gamma = MaAcvf(lags, q, coefficients.data(), sigma2);
    return 0;
  }
  // gamma(k) - sum_j phi(j) gamma(|k-j|) = sigma2 sum_{r=k}^{q} theta(r) psi(r-k), k = 0..p,
  // solved exactly for gamma(0..p); later lags follow from the same equations.
  const std::vector<double> psi = PsiWeights(p, q, coefficients, q + 1);
  auto th = [&](int r) { return r == 0 ? 1.0 : coefficients[p + r - 1]; };
  auto right = [&](int k) {
    double sum = 0.0;
    for (int r = k; r <= q; ++r) sum += th(r) * psi[r - k];
    return sigma2 * sum;
  };
  std::vector<double> a(static_cast<size_t>(p + 1) * (p + 1), 0.0);
  std::vector<double> b(p + 1);
  for (int k = 0; k <= p; ++k) {
    a[k * (p + 1) + k] += 1.0;
    for (int j = 1; j <= p; ++j) a[k * (p + 1) + std::abs(k - j)] -= coefficients[j - 1];
    b[k] = right(k);
  }
  if (!SolveGeneral(std::move(a), p + 1, b)) return -1;
  std::vector<double> result(std::max(lags, p) + 1, 0.0);
  for (int k = 0; k <= p; ++k) result[k] = b[k];
  for (int h = p + 1; h <= lags; ++h) {
    double value = h <= q ? right(h) : 0.0;
    for (int j = 1; j <= p; ++j) value += coefficients[j - 1] * result[h - j];
    result[h] = value;
  }
  result.resize(lags + 1);
  gamma = std::move(result);
  return 0;
}

}  // namespace kora
