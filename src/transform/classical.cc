#include "transform/classical.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace kora {

namespace {

constexpr double kTwoPi = 6.28318530718;

bool IsClassical(int kind) { return kind == kClassicalSeasonal || kind == kClassicalHarmonic; }

// The harmonic part at time t (1-based) of a kind-8 step, its mean included.
double HarmonicValue(const TransformStep& step, int n, int t) {
  const double w = kTwoPi / n;
  double sum = 0.0;
  for (int i = 0; i < step.harmonicCount; ++i) {
    const double angle = step.fourierIndex[i] * w * t;
    sum += step.cosineCoefficients[i] * std::cos(angle) + step.sineCoefficients[i] * std::sin(angle);
  }
  return step.harmonicExtra + 2.0 / n * sum;
}

double TrendValue(const TransformStep& step, int t) {
  const auto& [a, b, c] = step.trendCoefficients;
  return (c * t + b) * t + a;
}

}  // namespace

std::vector<double> SeasonalComponent(std::vector<double>& x, int d, std::vector<double>& fit) {
  const int n = static_cast<int>(x.size());
  const int q = d / 2;
  const bool even = d % 2 == 0;
  auto X = [&](int t) { return x[t - 1]; };  // x(t), 1-based
  std::vector<double> m(static_cast<size_t>(n) + 1, 0.0);
  for (int t = q + 1; t <= n - q; ++t) {
    double sum = 0.0;
    if (even) {
      sum = 0.5 * X(t - q) + 0.5 * X(t + q);
      for (int j = -q + 1; j <= q - 1; ++j) sum += X(t + j);
    } else {
      for (int j = -q; j <= q; ++j) sum += X(t + j);
    }
    m[t] = sum / d;
  }
  std::vector<double> w(static_cast<size_t>(q + d) + 1, 0.0);
  for (int k = q + 1; k <= q + d; ++k) {
    double sum = 0.0;
    int count = 0;
    for (int t = k; t <= n - q; t += d, ++count) sum += X(t) - m[t];
    w[k] = count > 0 ? sum / count : 0.0;
  }
  for (int k = 1; k <= q; ++k) w[k] = w[k + d];
  double mean = 0.0;
  for (int i = 1; i <= d; ++i) mean += w[i];
  mean /= d;
  std::vector<double> s(static_cast<size_t>(d));
  for (int i = 1; i <= d; ++i) s[i - 1] = w[i] - mean;
  for (int t = 1; t <= n; ++t) {
    const double value = s[(t - 1) % d];
    fit[t - 1] += value;
    x[t - 1] -= value;
  }
  return s;
}

void HarmonicComponent(std::vector<double>& x, TransformStep& step, std::vector<double>& fit) {
  const int n = static_cast<int>(x.size());
  const double w = kTwoPi / n;
  for (int i = 0; i < step.harmonicCount; ++i) {
    double a = 0.0, b = 0.0;
    for (int t = 1; t <= n; ++t) {
      const double angle = step.fourierIndex[i] * w * t;
      a += x[t - 1] * std::cos(angle);
      b += x[t - 1] * std::sin(angle);
    }
    step.cosineCoefficients[i] = a;
    step.sineCoefficients[i] = b;
  }
  step.harmonicExtra = std::accumulate(x.begin(), x.end(), 0.0) / n;
  for (int t = 1; t <= n; ++t) {
    const double value = HarmonicValue(step, n, t);
    fit[t - 1] += value;
    x[t - 1] -= value;
  }
}

void TrendFit(std::vector<double>& x, int degree, TransformStep& step, std::vector<double>& fit) {
  const int count = static_cast<int>(x.size());
  // A quadratic needs three points and a line two.
  degree = std::clamp(std::min(degree, count - 1), 0, 2);
  step.trendDegree = degree;
  step.trendCoefficients = {0.0, 0.0, 0.0};
  if (degree == 0) return;
  const double n = count;
  double s0 = 0.0, s1 = 0.0, s2 = 0.0;
  for (int t = 1; t <= count; ++t) {
    s0 += x[t - 1];
    s1 += t * x[t - 1];
    s2 += static_cast<double>(t) * t * x[t - 1];
  }
  double a, b, c = 0.0;
  if (degree == 1) {
    b = 12.0 * (s1 - s0 * (n + 1) / 2) / (n * (n * n - 1));
    a = s0 / n - b * (n + 1) / 2;
  } else {
    c = 30.0 * (6 * s2 + ((n + 2) * s0 - 6 * s1) * (n + 1)) / ((n * n - 4) * n * (n * n - 1));
    b = 12.0 * (s1 - s0 * (n + 1) / 2) / (n * (n * n - 1)) - c * (n + 1);
    a = s0 / n - (n + 1) * ((2 * n + 1) * c / 6 + b / 2);
  }
  step.trendCoefficients = {a, b, c};
  for (int t = 1; t <= count; ++t) {
    const double value = TrendValue(step, t);
    x[t - 1] -= value;
    fit[t - 1] += value;
  }
}

bool PushClassical(UnivariateProject& project, const ClassicalSettings& settings, std::vector<double>* fitOut) {
  if (!project.HasData() || (!settings.seasonal && !settings.harmonic && settings.degree == 0)) return false;
  std::vector<double> x = project.series;
  std::vector<double> fit(x.size(), 0.0);
  TransformStep step;
  if (settings.harmonic) {
    step.kind = kClassicalHarmonic;
    step.harmonicCount = std::clamp(settings.harmonicCount, 1, 4);
    step.fourierIndex = settings.indices;
    HarmonicComponent(x, step, fit);
  } else {
    step.kind = kClassicalSeasonal;
    step.period = -1;
    if (settings.seasonal) {
      if (settings.period < 2 || settings.period > project.count() / 3) return false;
      step.period = settings.period;
      step.seasonal = SeasonalComponent(x, settings.period, fit);
    }
  }
  TrendFit(x, settings.degree, step, fit);
  project.series = std::move(x);
  project.transforms.push_back(std::move(step));
  if (fitOut) *fitOut = std::move(fit);
  return true;
}

bool UndoClassical(UnivariateProject& project) {
  if (project.transforms.empty() || !IsClassical(project.transforms.back().kind)) return false;
  const TransformStep& step = project.transforms.back();
  const int n = project.count();
  for (int t = 1; t <= n; ++t) {
    double& x = project.series[t - 1];
    if (step.kind == kClassicalHarmonic) x += HarmonicValue(step, n, t);
    if (step.kind == kClassicalSeasonal && step.period >= 1 && static_cast<int>(step.seasonal.size()) == step.period)
      x += step.seasonal[(t - 1) % step.period];
    if (step.trendDegree >= 1) x += TrendValue(step, t);
  }
  project.transforms.pop_back();
  return true;
}

ClassicalSettings SettingsOfStep(const TransformStep& step) {
  ClassicalSettings settings;
  settings.seasonal = step.kind == kClassicalSeasonal && step.period >= 1;
  settings.period = step.period;
  settings.harmonic = step.kind == kClassicalHarmonic;
  settings.harmonicCount = step.harmonicCount;
  settings.indices = step.fourierIndex;
  settings.degree = step.trendDegree;
  return settings;
}

}  // namespace kora
