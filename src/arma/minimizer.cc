#include "arma/minimizer.h"

#include <algorithm>
#include <cmath>

#include "linalg/cholesky.h"

namespace kora {

namespace {

using Vector = std::vector<double>;

double Dot(const Vector& a, const Vector& b) {
  double sum = 0.0;
  for (size_t i = 0; i < a.size(); ++i) sum += a[i] * b[i];
  return sum;
}

double Norm(const Vector& a) { return std::sqrt(Dot(a, a)); }

class Run {
 public:
  Run(const Objective& objective, const MinimizerOptions& options, int k)
      : objective_(objective), options_(options), k_(k) {
    // Good digits of the objective follow from the assumed precision.
    const double digits = -std::log10(options.machinePrecision);
    noise_ = std::max(std::pow(10.0, -digits), options.machinePrecision);
  }

  double Evaluate(const Vector& x) {
    ++evaluations_;
    const double f = objective_(x);
    return std::isfinite(f) ? f : 1.0e300;
  }

  Vector Gradient(const Vector& x, double f) {
    Vector g(k_);
    Vector probe = x;
    if (!central_) {
      const double root = std::sqrt(noise_);
      for (int j = 0; j < k_; ++j) {
        const double h = root * std::max(std::fabs(x[j]), 1.0);
        probe[j] = x[j] + h;
        g[j] = (Evaluate(probe) - f) / (probe[j] - x[j]);
        probe[j] = x[j];
      }
    } else {
      const double root = std::cbrt(noise_);
      for (int j = 0; j < k_; ++j) {
        const double h = root * std::max(std::fabs(x[j]), 1.0);
        probe[j] = x[j] + h;
        const double up = Evaluate(probe);
        probe[j] = x[j] - h;
        const double down = Evaluate(probe);
        g[j] = (up - down) / (2.0 * h);
        probe[j] = x[j];
      }
    }
    return g;
  }

  // Forward second differences with steps eta^(1/3) max(|x|, 1).
  Vector Hessian(const Vector& x, double f, double eta) {
    const double root = std::cbrt(eta);
    Vector h(k_), single(k_), hessian(static_cast<size_t>(k_) * k_);
    Vector probe = x;
    for (int i = 0; i < k_; ++i) {
      h[i] = root * std::max(std::fabs(x[i]), 1.0);
      probe[i] = x[i] + h[i];
      single[i] = Evaluate(probe);
      probe[i] = x[i];
    }
    for (int i = 0; i < k_; ++i) {
      for (int j = 0; j <= i; ++j) {
        probe[i] += h[i];
        probe[j] += h[j];
        const double both = Evaluate(probe);
        probe[i] = x[i];
        probe[j] = x[j];
        hessian[i * k_ + j] = hessian[j * k_ + i] = (both - single[i] - single[j] + f) / (h[i] * h[j]);
      }
    }
    return hessian;
  }

  // Central differences with steps eta^(1/3) max(|x|, 1).
  Vector CentralGradient(const Vector& x, double eta) {
    Vector g(k_), probe = x;
    for (int j = 0; j < k_; ++j) {
      const double h = std::cbrt(eta) * std::max(std::fabs(x[j]), 1.0);
      probe[j] = x[j] + h;
      const double up = Evaluate(probe);
      probe[j] = x[j] - h;
      g[j] = (up - Evaluate(probe)) / (2.0 * h);
      probe[j] = x[j];
    }
    return g;
  }
  bool central() const { return central_; }
  void UseCentral() { central_ = true; }
  int evaluations() const { return evaluations_; }
  double noise() const { return noise_; }

 private:
  const Objective& objective_;
  const MinimizerOptions& options_;
  int k_;
  double noise_;
  bool central_ = false;
  int evaluations_ = 0;
};

// Cholesky factor of h (lower, row-major); when h is not safely positive
// definite, a multiple of the identity is added until it is.
Vector Cholesky(const Vector& h, int k) {
  double maxDiagonal = 0.0;
  for (int i = 0; i < k; ++i) maxDiagonal = std::max(maxDiagonal, std::fabs(h[i * k + i]));
  const PivotRule rule{1.0e-12 * std::max(maxDiagonal, 1.0), 0.0};
  double shift = 0.0;
  for (int attempt = 0; attempt < 60; ++attempt) {
    Vector shifted(h), l;
    for (int i = 0; i < k; ++i) shifted[i * k + i] += shift;
    if (CholeskyFactor(shifted, k, l, rule)) return l;
    shift = shift == 0.0 ? 1.0e-6 * std::max(maxDiagonal, 1.0) : shift * 10.0;
  }
  Vector identity(static_cast<size_t>(k) * k, 0.0);
  for (int i = 0; i < k; ++i) identity[i * k + i] = 1.0;
  return identity;
}

bool PositiveDefinite(const Vector& h, int k) {
  Vector l;
  return CholeskyFactor(h, k, l);
}

// Solves L L' p = -g.
Vector NewtonStep(const Vector& l, const Vector& g, int k) {
  Vector p(k);
  for (int i = 0; i < k; ++i) p[i] = -g[i];
  CholeskySolve(l, k, p);
  return p;
}

struct LineSearchResult {
  bool failed = false;
  bool maxTaken = false;
  Vector x;
  double f = 0.0;
};

LineSearchResult LineSearch(Run& run, const Vector& x, double f, const Vector& g, Vector p, double maxStep,
                            double stepTolerance) {
  const int k = static_cast<int>(x.size());
  LineSearchResult result;
  double length = Norm(p);
  if (length > maxStep) {
    for (double& v : p) v *= maxStep / length;
    length = maxStep;
  }
  const double slope = Dot(g, p);
  double relativeLength = 0.0;
  for (int i = 0; i < k; ++i)
    relativeLength = std::max(relativeLength, std::fabs(p[i]) / std::max(std::fabs(x[i]), 1.0));
  const double minLambda = relativeLength > 0.0 ? stepTolerance / relativeLength : 1.0;
  double lambda = 1.0, previousLambda = 0.0, previousF = 0.0;
  Vector trial(k);
  for (;;) {
    for (int i = 0; i < k; ++i) trial[i] = x[i] + lambda * p[i];
    const double ft = run.Evaluate(trial);
    if (ft <= f + 1.0e-4 * lambda * slope) {
      result.x = trial;
      result.f = ft;
      result.maxTaken = lambda == 1.0 && length > 0.99 * maxStep;
      return result;
    }
    if (lambda < minLambda || !(slope < 0.0)) {
      result.failed = true;
      result.x = x;
      result.f = f;
      return result;
    }
    double next;
    if (lambda == 1.0) {
      next = -slope / (2.0 * (ft - f - slope));
    } else {
      const double t1 = ft - f - lambda * slope;
      const double t2 = previousF - f - previousLambda * slope;
      const double t3 = 1.0 / (lambda - previousLambda);
      const double a = t3 * (t1 / (lambda * lambda) - t2 / (previousLambda * previousLambda));
      const double b =
          t3 * (t2 * lambda / (previousLambda * previousLambda) - t1 * previousLambda / (lambda * lambda));
      if (a == 0.0) {
        next = -slope / (2.0 * b);
      } else {
        const double disc = std::max(0.0, b * b - 3.0 * a * slope);
        next = (-b + std::sqrt(disc)) / (3.0 * a);
      }
      next = std::min(next, 0.5 * lambda);
    }
    if (!std::isfinite(next)) next = 0.5 * lambda;
    previousLambda = lambda;
    previousF = ft;
    lambda = std::max(next, 0.1 * lambda);
  }
}

// Newton steps from the quasi-Newton result with a careful Hessian: the
// secant approximation is good enough to find the basin, not to land on the
// minimum to many digits. Returns the Hessian used, or empty when none was
// positive definite (x and f then stay).
Vector Polish(Run& run, const MinimizerOptions& options, Vector& x, double& f) {
  const int k = static_cast<int>(x.size());
  Vector hessian = run.Hessian(x, f, options.polishPrecision), l;
  if (!CholeskyFactor(hessian, k, l)) return {};
  for (int step = 0; step < options.polishSteps; ++step) {
    Vector p = run.CentralGradient(x, options.polishPrecision);
    CholeskySolve(l, k, p);
    Vector trial(k);
    double relativeStep = 0.0;
    for (int i = 0; i < k; ++i) {
      trial[i] = x[i] - p[i];
      relativeStep = std::max(relativeStep, std::fabs(p[i]) / std::max(std::fabs(trial[i]), 1.0));
    }
    const double ft = run.Evaluate(trial);
    if (!(ft <= f)) break;  // at the noise level of the objective
    x = std::move(trial);
    f = ft;
    if (relativeStep <= options.polishTolerance) break;
  }
  return hessian;
}

}  // namespace

MinimizerSummary Minimize(const Objective& objective, std::vector<double> x0,
                          const MinimizerOptions& options) {
  const int k = static_cast<int>(x0.size());
  MinimizerSummary summary;
  Run run(objective, options, k);
  Vector x = std::move(x0);
  double f = run.Evaluate(x);
  Vector g = run.Gradient(x, f);
  Vector h(static_cast<size_t>(k) * k, 0.0);
  for (int i = 0; i < k; ++i) h[i * k + i] = 1.0;
  if (options.differenceHessianStart && k > 0) {
    Vector start = run.Hessian(x, f, run.noise());
    if (PositiveDefinite(start, k)) h = std::move(start);
  }
  const double maxStep = options.maxStep > 0.0 ? options.maxStep : 1000.0 * std::max(Norm(x), 1.0);
  auto relativeGradient = [&](const Vector& at, const Vector& grad, double value) {
    double r = 0.0;
    for (int i = 0; i < k; ++i)
      r = std::max(r, std::fabs(grad[i]) * std::max(std::fabs(at[i]), 1.0) / std::max(std::fabs(value), 1.0));
    return r;
  };
  // A small forward-difference gradient may be its own truncation error:
  // the gradient test is passed only when central differences confirm it.
  auto gradientConverged = [&](const Vector& at, Vector& grad, double value) {
    if (relativeGradient(at, grad, value) > options.gradientTolerance) return false;
    if (run.central()) return true;
    run.UseCentral();
    grad = run.Gradient(at, value);
    return relativeGradient(at, grad, value) <= options.gradientTolerance;
  };
  using enum MinimizerStop;
  MinimizerStop code = kNone;
  int maxStepsInRow = 0, iteration = 0;
  if (k == 0 || gradientConverged(x, g, f)) code = kGradient;
  while (code == kNone) {
    ++iteration;
    Vector p = NewtonStep(Cholesky(h, k), g, k);
    LineSearchResult step = LineSearch(run, x, f, g, p, maxStep, options.stepTolerance);
    if (step.failed && !run.central()) {
      // Forward differences may be too coarse near the minimum: retry with central ones.
      run.UseCentral();
      g = run.Gradient(x, f);
      p = NewtonStep(Cholesky(h, k), g, k);
      step = LineSearch(run, x, f, g, p, maxStep, options.stepTolerance);
    }
    if (step.failed) {
      code = kNoLowerPoint;
      break;
    }
    Vector gNew = run.Gradient(step.x, step.f);
    double relativeStep = 0.0;
    for (int i = 0; i < k; ++i)
      relativeStep =
          std::max(relativeStep, std::fabs(step.x[i] - x[i]) / std::max(std::fabs(step.x[i]), 1.0));
    maxStepsInRow = step.maxTaken ? maxStepsInRow + 1 : 0;
    if (gradientConverged(step.x, gNew, step.f))
      code = kGradient;
    else if (relativeStep <= options.stepTolerance)
      code = kStep;
    else if (iteration >= options.iterationLimit)
      code = kIterationLimit;
    else if (maxStepsInRow >= 5)
      code = kMaxSteps;
    // BFGS update of the Hessian, skipped when the curvature is not clearly positive.
    Vector s(k), y(k), hs(k, 0.0);
    for (int i = 0; i < k; ++i) {
      s[i] = step.x[i] - x[i];
      y[i] = gNew[i] - g[i];
    }
    const double sy = Dot(s, y);
    if (sy > std::sqrt(run.noise()) * Norm(s) * Norm(y)) {
      for (int i = 0; i < k; ++i)
        for (int j = 0; j < k; ++j) hs[i] += h[i * k + j] * s[j];
      const double shs = Dot(s, hs);
      if (shs > 0.0)
        for (int i = 0; i < k; ++i)
          for (int j = 0; j < k; ++j) h[i * k + j] += y[i] * y[j] / sy - hs[i] * hs[j] / shs;
    }
    x = step.x;
    f = step.f;
    g = gNew;
    if (options.progress && !options.progress({iteration, f, Norm(g)}) && code == kNone) code = kInterrupted;
  }
  if (k > 0 && options.polishSteps > 0 && (code == kGradient || code == kStep || code == kNoLowerPoint)) {
    Vector polished = Polish(run, options, x, f);
    if (!polished.empty()) h = std::move(polished);
  }
  summary.x = std::move(x);
  summary.f = f;
  summary.hessian = std::move(h);
  summary.stop = code;
  summary.iterations = iteration;
  summary.evaluations = run.evaluations();
  return summary;
}

}  // namespace kora
