#include "forecast/holt_winters.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kora {

namespace {

bool Admissible(double c) { return c * (1.0 - c) >= -1e-06; }

bool Admissible(const HoltWintersCoefficients& c, int period) {
  return Admissible(c.alpha) && Admissible(c.beta) && (period == 0 || Admissible(c.gamma));
}

// Runs the recursions; `predicted` (when given) receives P(s), and
// `forecasts` F(1..H). Returns Q.
double Recurse(const std::vector<double>& data, int d, const HoltWintersCoefficients& c, int forecastCount,
               std::vector<double>* predicted, std::vector<double>* forecasts) {
  const int n = static_cast<int>(data.size());
  auto Y = [&](int s) { return data[s - 1]; };
  const int start = d == 0 ? 2 : d + 1;  // the time of the initial level and trend
  double level = Y(start);
  double trend = d == 0 ? Y(2) - Y(1) : (Y(d + 1) - Y(1)) / d;
  std::vector<double> seasonal;  // S(1..N+H), 1-based
  if (d > 0) {
    seasonal.assign(static_cast<size_t>(n + forecastCount) + 1, 0.0);
    for (int j = 1; j <= d; ++j) seasonal[j] = Y(j) - (Y(1) + (j - 1) * trend);
    seasonal[d + 1] = seasonal[1];
  }
  if (predicted) predicted->assign(data.begin(), data.end());
  double sum = 0.0;
  for (int s = start + 1; s <= n; ++s) {
    const double past = d > 0 ? seasonal[s - d] : 0.0;
    const double p = level + trend + past;
    if (predicted) (*predicted)[s - 1] = p;
    sum += (Y(s) - p) * (Y(s) - p);
    const double previous = level;
    level = c.alpha * (Y(s) - past) + (1.0 - c.alpha) * (level + trend);
    trend = c.beta * (level - previous) + (1.0 - c.beta) * trend;
    if (d > 0) seasonal[s] = c.gamma * (Y(s) - level) + (1.0 - c.gamma) * seasonal[s - d];
  }
  if (forecasts) {
    forecasts->resize(static_cast<size_t>(forecastCount));
    for (int h = 1; h <= forecastCount; ++h) {
      double season = 0.0;
      if (d > 0) season = seasonal[n + h] = seasonal[n + h - d];
      (*forecasts)[h - 1] = level + h * trend + season;
    }
  }
  const int errors = n - start;
  return errors > 0 ? sum / errors : 0.0;
}

constexpr int kMaxDimensions = 3;
using Point = std::array<double, kMaxDimensions>;

// Coordinates in search order: alpha, beta; or alpha, gamma, beta.
HoltWintersCoefficients FromPoint(const Point& x, int period) {
  if (period == 0) return {x[0], x[1], 0.2};
  return {x[0], x[2], x[1]};
}

Point ToPoint(const HoltWintersCoefficients& c, int period) {
  if (period == 0) return {c.alpha, c.beta, 0.0};
  return {c.alpha, c.gamma, c.beta};
}

}  // namespace

int HoltWintersMinimumCount(int period) { return period == 0 ? 3 : period + 2; }

bool HoltWintersSubsetFits(int n, int period) { return n >= HoltWintersMinimumCount(period); }

HoltWintersPass HoltWintersRecursions(const std::vector<double>& y, int period,
                                      const HoltWintersCoefficients& c, int forecastCount) {
  HoltWintersPass pass;
  pass.criterion = Recurse(y, period, c, forecastCount, &pass.predicted, &pass.forecasts);
  if (!Admissible(c, period)) pass.criterion = kInadmissibleCriterion;
  return pass;
}

double HoltWintersCriterion(const std::vector<double>& y, int period, const HoltWintersCoefficients& c) {
  if (!Admissible(c, period)) return kInadmissibleCriterion;
  return Recurse(y, period, c, 0, nullptr, nullptr);
}

HoltWintersCoefficients HoltWintersSearch(const std::vector<double>& y, int period,
                                          const HoltWintersCoefficients& start) {
  const int dims = period == 0 ? 2 : 3;
  auto Q = [&](const Point& x) { return HoltWintersCriterion(y, period, FromPoint(x, period)); };
  // Tries each coordinate up, then down, keeping every improvement.
  auto explore = [&](Point& x, double& fx, double step) {
    for (int i = 0; i < dims; ++i) {
      const double centre = x[i];
      for (double trial : {centre + step, centre - step}) {
        Point t = x;
        t[i] = trial;
        const double ft = Q(t);
        if (ft < fx) {
          x = t;
          fx = ft;
        }
      }
    }
  };
  Point base = ToPoint(start, period);
  double fBase = Q(base);
  double step = 0.02;
  // Every accepted move lowers Q strictly; the cap only guards against a
  // degenerate series that keeps finding rounding-level decreases.
  for (int moves = 0; moves < 100000; ++moves) {
    Point improved = base;
    double fImproved = fBase;
    explore(improved, fImproved, step);
    if (!(fImproved < fBase)) {
      step /= 2.0;
      if (step < 0.008) break;
      continue;
    }
    for (; moves < 100000; ++moves) {
      Point pattern;
      for (int i = 0; i < kMaxDimensions; ++i) pattern[i] = 2.0 * improved[i] - base[i];
      base = improved;
      fBase = fImproved;
      double fPattern = Q(pattern);
      explore(pattern, fPattern, step);
      if (!(fPattern < fImproved)) break;
      improved = pattern;
      fImproved = fPattern;
    }
  }
  return FromPoint(base, period);
}

void HoltWintersRun(HoltWintersSettings& settings, const std::vector<double>& series, int forecastCount) {
  const int first = settings.hwFirst, last = settings.hwLast;
  const std::vector<double> subset(series.begin() + (first - 1), series.begin() + last);
  const int period = settings.hwPeriod;
  HoltWintersCoefficients c{settings.hwAlpha, settings.hwBeta, settings.hwGamma};
  if (settings.hwOptimize) {
    // The search starts inside [0, 1]: outside it every point is rejected.
    c = {std::clamp(c.alpha, 0.0, 1.0), std::clamp(c.beta, 0.0, 1.0), std::clamp(c.gamma, 0.0, 1.0)};
    c = HoltWintersSearch(subset, period, c);
  }
  settings.hwAlpha = c.alpha;
  settings.hwBeta = c.beta;
  if (period > 0) settings.hwGamma = c.gamma;
  const HoltWintersPass pass = HoltWintersRecursions(subset, period, c, forecastCount);
  settings.hwRmse = std::sqrt(pass.criterion);
  const int n = static_cast<int>(series.size());
  settings.hwForecast.assign(static_cast<size_t>(std::max(n, last + forecastCount)), 0.0);
  std::copy(pass.predicted.begin(), pass.predicted.end(), settings.hwForecast.begin() + (first - 1));
  std::copy(pass.forecasts.begin(), pass.forecasts.end(), settings.hwForecast.begin() + last);
  settings.hwCount = forecastCount;
  settings.hwForecastEnd = last + forecastCount;
}

}  // namespace kora
