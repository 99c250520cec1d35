#include "forecast/arar.h"

#include <algorithm>
#include <limits>

namespace kora {

namespace {

constexpr int kMaxShorteningLag = 15;
constexpr int kMaxShortDegree = 49;

// phi(tau) and Err(tau) of the lag-tau filter on w(1..m).
struct LagFit {
  double phi = 0.0;
  double error = std::numeric_limits<double>::infinity();
};

LagFit FitLag(const std::vector<double>& w, int tau) {
  const int m = static_cast<int>(w.size());
  double cross = 0.0, lead = 0.0, lagged = 0.0;
  for (int t = 0; t + tau < m; ++t) {
    cross += w[t] * w[t + tau];
    lagged += w[t] * w[t];
    lead += w[t + tau] * w[t + tau];
  }
  LagFit fit;
  if (lagged <= 0.0 || lead <= 0.0) return fit;  // an all-zero stretch tells nothing
  fit.phi = cross / lagged;
  double error = 0.0;
  for (int t = 0; t + tau < m; ++t) error += (w[t + tau] - fit.phi * w[t]) * (w[t + tau] - fit.phi * w[t]);
  fit.error = error / lead;
  return fit;
}

// w := w(t + lag) - sum_j a_j w(t + lag - j) with factor 1 - a_1 B - ... - a_lag B^lag.
std::vector<double> ApplyFactor(const std::vector<double>& w, const std::vector<double>& factor) {
  const int lag = static_cast<int>(factor.size()) - 1;
  std::vector<double> out(w.size() - lag);
  for (size_t t = 0; t < out.size(); ++t) {
    double v = 0.0;
    for (int j = 0; j <= lag; ++j) v += factor[j] * w[t + lag - j];
    out[t] = v;
  }
  return out;
}

std::vector<double> Multiply(const std::vector<double>& a, const std::vector<double>& b) {
  std::vector<double> c(a.size() + b.size() - 1, 0.0);
  for (size_t i = 0; i < a.size(); ++i)
    for (size_t j = 0; j < b.size(); ++j) c[i + j] += a[i] * b[j];
  return c;
}

// The factor 1 - a1 B - a2 B^2 fitted by least squares, or empty when the
// normal equations are singular.
std::vector<double> FitSecondOrder(const std::vector<double>& w) {
  const int m = static_cast<int>(w.size());
  double s00 = 0, s01 = 0, s02 = 0, s11 = 0, s12 = 0;
  for (int t = 1; t + 1 < m; ++t) {  // t = 2..m-1 of the formulas
    s00 += w[t] * w[t];
    s01 += w[t - 1] * w[t];
    s02 += w[t + 1] * w[t];
    s11 += w[t - 1] * w[t - 1];
    s12 += w[t - 1] * w[t + 1];
  }
  const double det = s00 * s11 - s01 * s01;
  if (det == 0.0) return {};
  return {1.0, -(s11 * s02 - s12 * s01) / det, -(s12 * s00 - s02 * s01) / det};
}

}  // namespace

void MemoryShortening(ArarSettings& settings, const std::vector<double>& y) {
  settings.shortDegree = 0;
  settings.shortCoef = {1.0};
  if (settings.ararNoShortening) return;
  const int n = static_cast<int>(y.size());
  const int allowed = n < 35 ? 1 : (n < 50 ? 2 : 3);
  std::vector<double> w = y;
  std::vector<double> psi{1.0};
  for (int applied = 0; applied < allowed; ++applied) {
    const int m = static_cast<int>(w.size());
    int best = 1;
    LagFit bestFit = FitLag(w, 1);
    for (int tau = 2; tau <= kMaxShorteningLag && tau < m; ++tau) {
      const LagFit fit = FitLag(w, tau);
      if (fit.error < bestFit.error) {
        best = tau;
        bestFit = fit;
      }
    }
    std::vector<double> factor;
    if (bestFit.error <= 8.0 / m || (bestFit.phi >= 0.93 && best > 2)) {
      factor.assign(static_cast<size_t>(best) + 1, 0.0);
      factor[0] = 1.0;
      factor[best] = -bestFit.phi;
    } else if (bestFit.phi >= 0.93) {
      factor = FitSecondOrder(w);
    }
    const int lag = static_cast<int>(factor.size()) - 1;
    if (factor.empty() || lag >= m || settings.shortDegree + lag > kMaxShortDegree) break;
    w = ApplyFactor(w, factor);
    psi = Multiply(psi, factor);
    settings.shortDegree += lag;
  }
  settings.shortCoef = psi;
}

std::vector<double> ArarPredict(const ArarSettings& settings, const std::vector<double>& y, int count) {
  const int n = static_cast<int>(y.size());
  const std::vector<double>& xi = settings.whitenCoef;
  double phiSum = 0.0;
  for (double c : settings.subsetCoef) phiSum += c;
  const double constant = settings.ararMean * (1.0 - phiSum);
  std::vector<double> v = y;
  v.resize(static_cast<size_t>(n + count));
  for (int h = 1; h <= count; ++h) {
    double f = constant;
    const int top = std::min(static_cast<int>(xi.size()) - 1, n + h - 1);
    for (int j = 1; j <= top; ++j) f -= xi[j] * v[n + h - j - 1];
    v[n + h - 1] = f;
  }
  return {v.begin() + n, v.end()};
}

void ArarRun(ArarSettings& settings, const std::vector<double>& series, int count) {
  const int first = settings.ararFirst, last = settings.ararLast;
  const std::vector<double> y(series.begin() + (first - 1), series.begin() + last);
  MemoryShortening(settings, y);
  SubsetArFit(settings, y);
  const std::vector<double> forecasts = ArarPredict(settings, y, count);
  const int n = static_cast<int>(series.size());
  settings.ararForecast.assign(static_cast<size_t>(std::max(n, last + count)), 0.0);
  std::copy(y.begin(), y.end(), settings.ararForecast.begin() + (first - 1));
  std::copy(forecasts.begin(), forecasts.end(), settings.ararForecast.begin() + last);
  settings.ararCount = count;
}

}  // namespace kora
