#include "forecast/prediction_band.h"

#include <cmath>

namespace kora {

std::vector<double> IntegratedAr(const std::vector<double>& ar, const std::vector<int>& lags) {
  // Polynomial coefficients c(0..) of phi(z) itself, c(0) = 1.
  std::vector<double> c{1.0};
  for (double a : ar) c.push_back(-a);
  for (int d : lags) {
    if (d < 1) continue;
    std::vector<double> next(c.size() + d, 0.0);
    for (size_t i = 0; i < c.size(); ++i) {
      next[i] += c[i];
      next[i + d] -= c[i];
    }
    c = std::move(next);
  }
  std::vector<double> out;
  for (size_t i = 1; i < c.size(); ++i) out.push_back(-c[i]);
  return out;
}

std::vector<double> IntegratedWeights(const std::vector<double>& weights, const std::vector<int>& lags, int count) {
  std::vector<double> w(weights.begin(), weights.begin() + std::min<size_t>(weights.size(), std::max(count, 0)));
  w.resize(std::max(count, 0), 0.0);
  // Dividing by (1 - z^d) is the running sum at lag d.
  for (int d : lags) {
    if (d < 1) continue;
    for (int j = d; j < count; ++j) w[j] += w[j - d];
  }
  return w;
}

std::vector<double> InverseFilterWeights(const std::vector<double>& xi, int count) {
  std::vector<double> psi(std::max(count, 0), 0.0);
  for (int j = 0; j < count; ++j) {
    psi[j] = j == 0 ? 1.0 : 0.0;
    for (int k = 1; k <= j && k < static_cast<int>(xi.size()); ++k) psi[j] -= xi[k] * psi[j - k];
  }
  return psi;
}

std::vector<double> WeightsMse(const std::vector<double>& weights, double sigma2, int horizon) {
  std::vector<double> mse(std::max(horizon, 0), 0.0);
  double sum = 0.0;
  for (int h = 1; h <= horizon; ++h) {
    const double w = h - 1 < static_cast<int>(weights.size()) ? weights[h - 1] : 0.0;
    sum += w * w;
    mse[h - 1] = sigma2 * sum;
  }
  return mse;
}

std::vector<double> BandHalfWidths(const std::vector<double>& mse) {
  std::vector<double> half;
  half.reserve(mse.size());
  for (double m : mse) half.push_back(kBandQuantile * std::sqrt(std::max(m, 0.0)));
  return half;
}

}  // namespace kora
