#include "arma/whittle.h"

#include <cmath>
#include <complex>

#include "arma/likelihood.h"
#include "arma/model_acvf.h"

namespace kora {

namespace {

constexpr double kInadmissible = 1.0e30;
constexpr double kTwoPi = 6.283185;
const double kPi = std::acos(-1.0);

// |1 - sum a(k) e^{-i k w}|^2 (sign -1) or |1 + sum a(k) e^{-i k w}|^2 (sign +1).
double SquaredModulus(const double* a, int order, double omega, double sign) {
  std::complex<double> value = 1.0;
  for (int k = 1; k <= order; ++k) value += sign * a[k - 1] * std::polar(1.0, -k * omega);
  return std::norm(value);
}

}  // namespace

std::vector<double> FourierPeriodogram(const std::vector<double>& x) {
  const int n = static_cast<int>(x.size());
  std::vector<double> periodogram(n / 2, 0.0);
  if (n < 2) return periodogram;
  double mean = 0.0;
  for (double v : x) mean += v / n;
  for (int j = 1; j <= n / 2; ++j) {
    const double omega = 2.0 * kPi * j / n;
    // Rotation by a unit step keeps the sum O(n) per frequency without trig calls.
    const std::complex<double> step = std::polar(1.0, -omega);
    std::complex<double> phase = step, sum = 0.0;
    for (int t = 0; t < n; ++t) {
      sum += (x[t] - mean) * phase;
      phase *= step;
    }
    periodogram[j - 1] = std::norm(sum) / (2.0 * kPi * n);
  }
  return periodogram;
}

WhittleValue WhittleObjective(const std::vector<double>& periodogram, int n, const std::vector<double>& c,
                              int p, int q, double d) {
  WhittleValue value{kInadmissible, 0.0};
  if (!(std::fabs(d) < 0.5) || n < 2) return value;
  std::vector<double> ar(c.begin(), c.begin() + p), minusMa(q);
  for (int j = 0; j < q; ++j) minusMa[j] = -c[p + j];
  if (!StepDownStable(ar) || !StepDownStable(minusMa)) return value;
  const int frequencies = static_cast<int>(periodogram.size());
  double ratioSum = 0.0, logSum = 0.0;
  for (int j = 1; j <= frequencies; ++j) {
    const double omega = 2.0 * kPi * j / n;
    const double weight = (n % 2 == 0 && j == frequencies) ? 0.5 : 1.0;
    const double g = SquaredModulus(c.data() + p, q, omega, 1.0) /
                     (SquaredModulus(c.data(), p, omega, -1.0) * std::pow(2.0 - 2.0 * std::cos(omega), d));
    if (!(g > 0.0) || !std::isfinite(g)) return value;
    ratioSum += weight * 2.0 * kPi * periodogram[j - 1] / g;
    logSum += weight * std::log(g);
  }
  value.sigma2 = 2.0 * ratioSum / n;
  if (!(value.sigma2 > 0.0)) return value;
  value.w = std::log(value.sigma2) + 2.0 * logSum / n;
  return value;
}

PatternSearchResult HookeJeeves(const std::function<double(const std::vector<double>&)>& f,
                                std::vector<double> x0, double step) {
  PatternSearchResult result;
  auto evaluate = [&](const std::vector<double>& x) {
    ++result.evaluations;
    return f(x);
  };
  // Exploratory sweep around base with value fBase; returns the best point found.
  auto explore = [&](std::vector<double> base, double& fBase, double h) {
    for (size_t i = 0; i < base.size(); ++i) {
      const double original = base[i];
      base[i] = original + h;
      double trial = evaluate(base);
      if (trial < fBase) {
        fBase = trial;
        continue;
      }
      base[i] = original - h;
      trial = evaluate(base);
      if (trial < fBase) {
        fBase = trial;
        continue;
      }
      base[i] = original;
    }
    return base;
  };
  std::vector<double> x = std::move(x0);
  double fx = evaluate(x);
  double h = step;
  while (!x.empty()) {
    double fNew = fx;
    std::vector<double> next = explore(x, fNew, h);
    if (fNew < fx) {
      // Pattern moves while they keep improving.
      for (;;) {
        std::vector<double> previous = x;
        x = next;
        fx = fNew;
        std::vector<double> pattern(x.size());
        for (size_t i = 0; i < x.size(); ++i) pattern[i] = 2.0 * x[i] - previous[i];
        double fPattern = evaluate(pattern);
        std::vector<double> explored = explore(pattern, fPattern, h);
        if (!(fPattern < fx)) break;
        next = explored;
        fNew = fPattern;
      }
      continue;
    }
    if (h / 2.0 < 0.4 * step) break;
    h /= 2.0;
  }
  result.x = std::move(x);
  result.f = fx;
  return result;
}

WhittleEstimate EstimateWhittle(const std::vector<double>& series, const ArmaModel& model,
                                const WhittleOptions& options) {
  WhittleEstimate estimate;
  const int n = static_cast<int>(series.size());
  const int p = model.arOrder, q = model.maOrder;
  const std::vector<double> periodogram = FourierPeriodogram(series);
  std::vector<double> start = CombinedCoefficients(model);
  const bool withD = options.estimateD;
  if (withD) start.push_back(model.fractionalD);
  auto split = [&](const std::vector<double>& x) {
    return std::vector<double>(x.begin(), x.begin() + p + q);
  };
  auto dOf = [&](const std::vector<double>& x) { return withD ? x.back() : model.fractionalD; };
  if (options.noOptimization) {
    const WhittleValue value = WhittleObjective(periodogram, n, split(start), p, q, model.fractionalD);
    const double sigma2 = model.whiteNoiseVariance;
    estimate.evaluatedOnly = true;
    estimate.sigma2 = value.sigma2;
    estimate.objective = value.w;
    estimate.minus2LogLikelihood = model.minus2LogLikelihood;
    if (value.w < kInadmissible && value.sigma2 > 0.0)
      estimate.minus2LogLikelihood = n * (value.sigma2 / sigma2 + std::log(kTwoPi) + value.w +
                                          std::log(sigma2) - std::log(value.sigma2));
    return estimate;
  }
  const PatternSearchResult best = HookeJeeves(
      [&](const std::vector<double>& x) {
        return WhittleObjective(periodogram, n, split(x), p, q, dOf(x)).w;
      },
      start, options.step);
  const WhittleValue value = WhittleObjective(periodogram, n, split(best.x), p, q, dOf(best.x));
  if (!(value.w < kInadmissible)) return estimate;  // the start itself was inadmissible
  estimate.changed = true;
  estimate.coefficients = split(best.x);
  estimate.d = dOf(best.x);
  estimate.sigma2 = value.sigma2;
  estimate.objective = value.w;
  estimate.evaluations = best.evaluations;
  estimate.minus2LogLikelihood = n * (value.w + std::log(kTwoPi) + 1.0);
  estimate.aic = estimate.minus2LogLikelihood + 2.0 * (p + q + 1) + (withD ? 2.0 : 0.0);
  return estimate;
}

void StoreWhittleEstimate(const WhittleEstimate& estimate, ArmaModel& model) {
  if (estimate.evaluatedOnly) {
    model.residualSsOverN = estimate.sigma2;
    model.reducedLikelihood = estimate.objective;
    model.minus2LogLikelihood = estimate.minus2LogLikelihood;
    return;
  }
  if (!estimate.changed) return;
  SetCombinedCoefficients(model, estimate.coefficients);
  model.fractionalD = estimate.d;
  model.whiteNoiseVariance = model.residualSsOverN = estimate.sigma2;
  model.reducedLikelihood = estimate.objective;
  model.functionEvaluations = estimate.evaluations;
  model.minus2LogLikelihood = estimate.minus2LogLikelihood;
  model.previousAicc = model.aicc;
  model.aicc = estimate.aic;
}

}  // namespace kora
