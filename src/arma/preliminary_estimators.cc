#include "arma/preliminary_estimators.h"

#include <algorithm>
#include <cmath>

#include "linalg/cholesky.h"
#include "linalg/lu.h"

namespace kora {

namespace {

// Pivots below 1e-12 of their scale: too ill-conditioned to invert.
constexpr PivotRule kPivotRule{0.0, 1.0e-12};

constexpr double kRatioScale = 1.96;

int Length(const std::vector<double>& x) { return static_cast<int>(x.size()); }

// Ratios of coefficients to 1.96 standard errors; empty when a standard error
// is not a positive finite number (the report then prints none).
std::vector<double> Ratios(const std::vector<double>& coefficients, const std::vector<double>& se) {
  std::vector<double> ratios(coefficients.size());
  for (size_t j = 0; j < coefficients.size(); ++j) {
    if (!(se[j] > 0.0) || !std::isfinite(se[j])) return {};
    ratios[j] = coefficients[j] / (kRatioScale * se[j]);
    if (!std::isfinite(ratios[j])) return {};
  }
  return ratios;
}

// The inverse of the p x p autocorrelation matrix R(i,j) = gamma(|i-j|)/gamma(0).
bool InverseAutocorrelationMatrix(const std::vector<double>& gamma, int p, std::vector<double>& inverse) {
  inverse.assign(static_cast<size_t>(p) * p, 0.0);
  for (int i = 0; i < p; ++i)
    for (int j = 0; j < p; ++j) inverse[i * p + j] = gamma[std::abs(i - j)] / gamma[0];
  return InversePositiveDefinite(inverse, p, inverse, kPivotRule);
}

// Standard-error ratios of AR coefficients from the Yule-Walker matrix:
// se(phi_j) = sqrt(sigma~2 (R^-1)(j,j) / (n gamma(0))).
std::vector<double> ArRatios(const std::vector<double>& phi, const std::vector<double>& gamma,
                             const std::vector<double>& rInverse, int n) {
  const int p = Length(phi);
  double sigma2 = gamma[0];
  for (int j = 0; j < p; ++j) sigma2 -= phi[j] * gamma[j + 1];
  std::vector<double> se(p);
  for (int j = 0; j < p; ++j) se[j] = std::sqrt(std::max(0.0, sigma2 * rInverse[j * p + j] / (n * gamma[0])));
  return Ratios(phi, se);
}

// The innovations recursion on gamma(0..m): theta(k, j) in a (m+1) x (m+1)
// table (row k), prediction variances v(0..m). False when some v(k) <= 0.
bool InnovationsRecursion(const std::vector<double>& gamma, int m, std::vector<double>& table,
                          std::vector<double>& v) {
  const int w = m + 1;
  table.assign(static_cast<size_t>(w) * w, 0.0);
  v.assign(w, 0.0);
  v[0] = gamma[0];
  if (!(v[0] > 0.0)) return false;
  for (int n = 1; n <= m; ++n) {
    for (int k = 0; k < n; ++k) {
      double sum = gamma[n - k];
      for (int j = 0; j < k; ++j) sum -= table[k * w + (k - j)] * table[n * w + (n - j)] * v[j];
      table[n * w + (n - k)] = sum / v[k];
    }
    double vn = gamma[0];
    for (int j = 0; j < n; ++j) vn -= table[n * w + (n - j)] * table[n * w + (n - j)] * v[j];
    if (!(vn > 0.0) || !std::isfinite(vn)) return false;
    v[n] = vn;
  }
  return true;
}

}  // namespace

std::vector<double> RawAutocovariances(const std::vector<double>& x, int maxLag) {
  const int n = Length(x);
  std::vector<double> gamma(maxLag + 1, 0.0);
  if (n == 0) return gamma;
  for (int h = 0; h <= maxLag && h < n; ++h) {
    double sum = 0.0;
    for (int t = 0; t + h < n; ++t) sum += x[t] * x[t + h];
    gamma[h] = sum / n;
  }
  return gamma;
}

PreliminaryFit YuleWalkerFit(const std::vector<double>& x, int p) {
  PreliminaryFit fit;
  const int n = Length(x);
  const std::vector<double> gamma = RawAutocovariances(x, p);
  if (n < 1 || !(gamma[0] > 0.0) || !std::isfinite(gamma[0])) return fit;
  std::vector<double> rInverse;
  if (!InverseAutocorrelationMatrix(gamma, p, rInverse)) return fit;
  fit.phi.assign(p, 0.0);
  for (int i = 0; i < p; ++i)
    for (int j = 0; j < p; ++j) fit.phi[i] += rInverse[i * p + j] * gamma[j + 1] / gamma[0];
  fit.methodWnVariance = gamma[0];
  for (int j = 0; j < p; ++j) fit.methodWnVariance -= fit.phi[j] * gamma[j + 1];
  fit.ratios = ArRatios(fit.phi, gamma, rInverse, n);
  fit.ok = true;
  return fit;
}

PreliminaryFit BurgFit(const std::vector<double>& x, int p) {
  PreliminaryFit fit;
  const int n = Length(x);
  if (p >= n) return fit;
  std::vector<double> u = x, v = x, phi(p, 0.0), previous(p, 0.0);
  for (int k = 1; k <= p; ++k) {
    double numerator = 0.0, denominator = 0.0;
    for (int t = k; t < n; ++t) {  // pairs u(t), v(t-1), t = k+1..n
      numerator += u[t] * v[t - 1];
      denominator += u[t] * u[t] + v[t - 1] * v[t - 1];
    }
    if (!(denominator > 0.0) || !std::isfinite(denominator)) return fit;
    const double a = 2.0 * numerator / denominator;
    // Backwards over t so that v(t-1) is still the previous stage's value.
    for (int t = n - 1; t >= k; --t) {
      const double ut = u[t], vt1 = v[t - 1];
      u[t] = ut - a * vt1;
      v[t] = vt1 - a * ut;
    }
    previous = phi;
    for (int j = 1; j < k; ++j) phi[j - 1] = previous[j - 1] - a * previous[k - j - 1];
    phi[k - 1] = a;
  }
  double sum = 0.0;
  for (int t = p; t < n; ++t) sum += u[t] * u[t] + v[t] * v[t];
  fit.phi = phi;
  fit.methodWnVariance = sum / (2.0 * (n - p));
  const std::vector<double> gamma = RawAutocovariances(x, p);
  std::vector<double> rInverse;
  if (gamma[0] > 0.0 && InverseAutocorrelationMatrix(gamma, p, rInverse))
    fit.ratios = ArRatios(fit.phi, gamma, rInverse, n);
  fit.ok = true;
  return fit;
}

PreliminaryFit InnovationsFit(const std::vector<double>& x, int p, int q, int m) {
  PreliminaryFit fit;
  const int n = Length(x);
  if (m < p + q || m < 1 || m >= n) return fit;
  const std::vector<double> gamma = RawAutocovariances(x, m);
  std::vector<double> table, v;
  if (!InnovationsRecursion(gamma, m, table, v)) return fit;
  const int w = m + 1;
  // theta(m, k) with theta(m, 0) = 1 and 0 for k < 0.
  auto th = [&](int k) { return k < 0 ? 0.0 : (k == 0 ? 1.0 : table[m * w + k]); };
  fit.phi.assign(p, 0.0);
  fit.theta.assign(q, 0.0);
  if (p > 0) {
    std::vector<double> a(static_cast<size_t>(p) * p);
    for (int j = 1; j <= p; ++j)
      for (int i = 1; i <= p; ++i) a[(j - 1) * p + (i - 1)] = th(q + j - i);
    if (!InvertGeneral(a, p, kPivotRule.relative)) return fit;
    for (int i = 0; i < p; ++i)
      for (int j = 0; j < p; ++j) fit.phi[i] += a[i * p + j] * th(q + j + 1);
  }
  for (int j = 1; j <= q; ++j) {
    double value = th(j);
    for (int i = 1; i <= std::min(j, p); ++i) value -= fit.phi[i - 1] * th(j - i);
    fit.theta[j - 1] = value;
  }
  fit.methodWnVariance = v[m];
  if (p == 0) {
    std::vector<double> se(q);
    double sum = 0.0;
    for (int j = 1; j <= q; ++j) {
      sum += th(j - 1) * th(j - 1);
      se[j - 1] = std::sqrt(sum / n);
    }
    fit.ratios = Ratios(fit.theta, se);
  } else if (p == q) {
    // Unknowns phi(1..p), theta(1..q); equations j = 1..q then q+1..q+p.
    const int k = 2 * p;
    std::vector<double> system(static_cast<size_t>(k) * k, 0.0);
    for (int j = 1; j <= k; ++j) {
      if (j <= q) system[(j - 1) * k + p + (j - 1)] = 1.0;
      for (int i = 1; i <= std::min(j, p); ++i) system[(j - 1) * k + (i - 1)] = th(j - i);
    }
    // Asymptotic covariance of theta(m, 1..2p): sum_{l=1}^{min(i,j)} psi(i-l) psi(j-l).
    std::vector<double> cov(static_cast<size_t>(k) * k, 0.0);
    for (int i = 1; i <= k; ++i)
      for (int j = 1; j <= k; ++j)
        for (int l = 1; l <= std::min(i, j); ++l) cov[(i - 1) * k + (j - 1)] += th(i - l) * th(j - l);
    if (InvertGeneral(system, k, kPivotRule.relative)) {
      std::vector<double> se(k), coefficients = fit.phi;
      coefficients.insert(coefficients.end(), fit.theta.begin(), fit.theta.end());
      for (int r = 0; r < k; ++r) {
        double diagonal = 0.0;
        for (int i = 0; i < k; ++i)
          for (int j = 0; j < k; ++j) diagonal += system[r * k + i] * cov[i * k + j] * system[r * k + j];
        se[r] = std::sqrt(std::max(0.0, diagonal / n));
      }
      fit.ratios = Ratios(coefficients, se);
    }
  }
  fit.ok = true;
  return fit;
}

PreliminaryFit HannanRissanenFit(const std::vector<double>& x, int p, int q) {
  PreliminaryFit fit;
  const int n = Length(x);
  const int m = HannanRissanenLongOrder(p, q, n);
  const int start = m + std::max(p, q);  // first regression row (0-based t)
  const int k = p + q;
  if (m < 1 || n - start <= k || n - m - 1 <= 0) return fit;
  const PreliminaryFit longAr = YuleWalkerFit(x, m);
  if (!longAr.ok) return fit;
  std::vector<double> z(n, 0.0);
  for (int t = m; t < n; ++t) {
    double value = x[t];
    for (int j = 1; j <= m; ++j) value -= longAr.phi[j - 1] * x[t - j];
    z[t] = value;
  }
  auto regressor = [&](int t, int c) {  // column c of row t: X(t-1..t-p), Z(t-1..t-q)
    const int lag = c < p ? c + 1 : c - p + 1;
    if (t - lag < 0) return 0.0;
    return c < p ? x[t - lag] : z[t - lag];
  };
  std::vector<double> normal(static_cast<size_t>(k) * k, 0.0), rhs(k, 0.0);
  for (int t = start; t < n; ++t) {
    for (int a = 0; a < k; ++a) {
      const double ra = regressor(t, a);
      rhs[a] += ra * x[t];
      for (int b = 0; b < k; ++b) normal[a * k + b] += ra * regressor(t, b);
    }
  }
  if (!InversePositiveDefinite(normal, k, normal, kPivotRule)) return fit;
  std::vector<double> beta(k, 0.0);
  for (int a = 0; a < k; ++a)
    for (int b = 0; b < k; ++b) beta[a] += normal[a * k + b] * rhs[b];
  fit.phi.assign(beta.begin(), beta.begin() + p);
  fit.theta.assign(beta.begin() + p, beta.end());
  double ss = 0.0;
  for (int t = m; t < n; ++t) {
    double residual = x[t];
    for (int c = 0; c < k; ++c) residual -= beta[c] * regressor(t, c);
    ss += residual * residual;
  }
  fit.methodWnVariance = ss / (n - m - 1);
  std::vector<double> se(k);
  for (int j = 0; j < k; ++j) se[j] = std::sqrt(std::max(0.0, normal[j * k + j] * fit.methodWnVariance));
  fit.ratios = Ratios(beta, se);
  fit.ok = std::isfinite(fit.methodWnVariance);
  return fit;
}

int InnovationsAcvfCount(int entered, int p, int q, int n) {
  if (entered > 0 && entered + 1 < 76 && entered + 1 <= n && entered + 1 > p + q) return entered;
  return std::min(p + q + 16, n - 1) - 1;
}

int HannanRissanenLongOrder(int p, int q, int n) { return std::min({p + q + 20, n / 2, 54}); }

}  // namespace kora
