#include "arma/simulation.h"

#include <algorithm>
#include <cmath>

#include "arma/likelihood.h"
#include "arma/model_acvf.h"

namespace kora {

namespace {

constexpr int64_t kModulus = 2147483647;  // 2^31 - 1
constexpr int64_t kMultiplier = 48271;
constexpr int64_t kSchrageQ = 44488;
constexpr int64_t kSchrageR = 3399;
constexpr double kTwoPi = 6.283185307;
// Once the innovations recursion changes by less than this, its last row is kept.
constexpr double kSteadyTolerance = 1.0e-12;

// The transformed-process innovations of the ordinary model, generated step
// by step: U(t+1) = sqrt(r(t)) Z(t+1), X(t+1) = Xhat(t+1) + U(t+1).
std::optional<std::vector<double>> SimulateOrdinary(const ArmaModel& model, const std::vector<double>& z) {
  std::vector<double> c = CombinedCoefficients(model);
  ApplyRelations(model, c);
  int p = std::clamp(model.arOrder, 0, kMaxCoefficients), q = std::clamp(model.maOrder, 0, kMaxCoefficients);
  if (p == 0 && q == 0) {
    p = 1;
    c = {0.0};
  }
  std::vector<double> gamma;
  if (p == 0)
    gamma = MaAcvf(q + 1, q, c.data(), 1.0);
  else if (ModelAcvf(std::max(p, q), kAcvfCompute, c, p, q, 1.0, gamma) != 0)
    return std::nullopt;
  const InnovationsKernel kappa(c, p, q, gamma);
  const int m = std::max(p, q), n = static_cast<int>(z.size());
  std::vector<std::vector<double>> theta;  // theta[k][j-1] = theta(k, j)
  std::vector<double> r, x(n), u(n);
  bool steady = false;
  for (int k = 0; k < n; ++k) {
    // Row k of the recursion (k = 0 has no coefficients).
    if (!steady) {
      const int length = k < m ? k : std::min(k, q);
      std::vector<double> row(length, 0.0);
      for (int lag = length; lag >= 1; --lag) {  // theta(k, lag), i = k - lag
        const int i = k - lag;
        double sum = kappa(k + 1, i + 1);
        for (int j = std::max(0, k - length); j < i; ++j) {
          const int lagI = i - j, lagK = k - j;
          if (lagI > static_cast<int>(theta[i].size()) || lagK > length) continue;
          sum -= theta[i][lagI - 1] * row[lagK - 1] * r[j];
        }
        row[lag - 1] = sum / r[i];
      }
      double rk = kappa(k + 1, k + 1);
      for (int lag = 1; lag <= length; ++lag) rk -= row[lag - 1] * row[lag - 1] * r[k - lag];
      if (!(rk > 0.0) || !std::isfinite(rk)) return std::nullopt;
      theta.push_back(std::move(row));
      r.push_back(rk);
      if (k > 2 * m && k % 5 == 0 && std::fabs(r[k] - r[k - 1]) <= kSteadyTolerance) {
        bool same = theta[k].size() == theta[k - 1].size();
        for (size_t j = 0; same && j < theta[k].size(); ++j)
          same = std::fabs(theta[k][j] - theta[k - 1][j]) <= kSteadyTolerance;
        steady = same;
      }
    }
    const std::vector<double>& row = steady ? theta.back() : theta[k];
    const double rk = steady ? r.back() : r[k];
    double predictor = 0.0;
    if (k >= m)
      for (int i = 1; i <= p; ++i) predictor += c[i - 1] * x[k - i];
    for (int j = 1; j <= static_cast<int>(row.size()); ++j) predictor += row[j - 1] * u[k - j];
    u[k] = std::sqrt(rk) * z[k];
    x[k] = predictor + u[k];
  }
  return x;
}

// Durbin-Levinson generation from the autocovariances gamma(0..n-1).
std::optional<std::vector<double>> SimulateFromAcvf(const std::vector<double>& gamma,
                                                    const std::vector<double>& z) {
  const int n = static_cast<int>(z.size());
  std::vector<double> x(n), phi, previous;
  double v = gamma[0];
  if (!(v > 0.0)) return std::nullopt;
  x[0] = std::sqrt(v) * z[0];
  for (int t = 1; t < n; ++t) {
    double numerator = gamma[t];
    for (int j = 1; j < t; ++j) numerator -= phi[j - 1] * gamma[t - j];
    const double a = numerator / v;
    previous = phi;
    phi.resize(t);
    for (int j = 1; j < t; ++j) phi[j - 1] = previous[j - 1] - a * previous[t - j - 1];
    phi[t - 1] = a;
    v *= 1.0 - a * a;
    if (!(v > 0.0) || !std::isfinite(v)) return std::nullopt;
    double value = 0.0;
    for (int j = 1; j <= t; ++j) value += phi[j - 1] * x[t - j];
    x[t] = value + std::sqrt(v) * z[t];
  }
  return x;
}

}  // namespace

void UniformGenerator::Seed(int seed) {
  if (seed == 0) return;
  if (seed != 1) lastSeed_ = seed;
  state_ = lastSeed_ % kModulus;  // the seed 2^31 - 1 is the state 0
}

double UniformGenerator::Next() {
  if (state_ == 0) state_ = -1;
  int64_t next = kMultiplier * (state_ % kSchrageQ) - kSchrageR * (state_ / kSchrageQ);
  if (next <= 0) next += kModulus;
  state_ = next;
  return static_cast<double>(next) / static_cast<double>(kModulus);
}

std::vector<double> GaussianNoise(int n, int seed, UniformGenerator& generator) {
  generator.Seed(seed);
  generator.Next();
  std::vector<double> z(std::max(n, 0));
  for (double& value : z) {
    const double u1 = generator.Next();
    const double u2 = generator.Next();
    value = std::sqrt(-2.0 * std::log(u1)) * std::sin(kTwoPi * u2);
  }
  return z;
}

std::optional<std::vector<double>> SimulateArma(const ArmaModel& model, double sigma2,
                                                const std::vector<double>& z) {
  if (z.empty() || !(sigma2 > 0.0)) return std::nullopt;
  std::optional<std::vector<double>> x;
  if (model.fractional) {
    const int n = static_cast<int>(z.size());
    const ModelAcfResult acf = ModelAcfPacf(model, n);
    if (acf.status != 0 || static_cast<int>(acf.acf.size()) < n) return std::nullopt;
    std::vector<double> gamma(n);
    for (int h = 0; h < n; ++h) gamma[h] = acf.acf[h] * acf.gamma0;
    x = SimulateFromAcvf(gamma, z);
  } else {
    x = SimulateOrdinary(model, z);
  }
  if (!x) return std::nullopt;
  const double scale = std::sqrt(sigma2);
  for (double& value : *x) {
    value *= scale;
    if (!std::isfinite(value)) return std::nullopt;
  }
  return x;
}

}  // namespace kora
