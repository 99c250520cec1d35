// Unconstrained quasi-Newton minimisation after Dennis and Schnabel: line
// search, forward-difference gradients (central differences once a line
// search fails with forward ones), BFGS secant updates of the Hessian, and a
// final Newton polish with a central-difference Hessian.
#pragma once

#include <cmath>
#include <functional>
#include <vector>

#include "arma/minimizer_stop.h"

namespace kora {

// One completed iteration, as the progress callback sees it.
struct MinimizerProgress {
  int iteration = 0;
  double objective = 0.0;     // f at the new point
  double gradientNorm = 0.0;  // Euclidean norm of the gradient there
};

struct MinimizerOptions {
  // eta, the relative precision assumed of the objective in the quasi-Newton
  // phase: forward-difference steps are sqrt(eta) max(|x(i)|, 1), central
  // ones eta^(1/3) max(|x(i)|, 1).
  double machinePrecision = 8.0e-8;
  // Code 1 when max_i |g(i)| max(|x(i)|, 1) / max(|f|, 1) <= this; eta^0.95.
  double gradientTolerance = std::pow(8.0e-8, 0.95);
  // Code 2 when max_i |x+(i) - x(i)| / max(|x+(i)|, 1) <= this: the
  // "Accuracy parameter".
  double stepTolerance = 1.0e-3;
  // Code 4 after this many iterations.
  int iterationLimit = 50;
  // Longest step in scaled units; 0 means 1000 max(||x0||, 1).
  double maxStep = 0.0;
  // Start from a finite-difference Hessian at x0 when it is positive
  // definite (else the identity): better scaled first steps.
  bool differenceHessianStart = true;
  // Newton polish after a stop by code 1, 2 or 3: at most polishSteps Newton
  // steps on a forward-difference Hessian and central-difference gradients
  // whose steps assume the objective exact to polishPrecision (steps
  // polishPrecision^(1/3) max(|x(i)|, 1); the Hessian is then good to about
  // 1e-4 relative). It ends after a relative step below polishTolerance (what
  // is left is about that step times the Hessian's error) or at a step that
  // does not lower f; the point and Hessian returned are then the polished
  // ones. 0 steps: none.
  int polishSteps = 4;
  double polishPrecision = 1.0e-14;
  double polishTolerance = 1.0e-5;
  // Called after every iteration; returning false stops the minimiser with
  // kInterrupted at the best point so far.
  std::function<bool(const MinimizerProgress&)> progress;
};

struct MinimizerSummary {
  std::vector<double> x;
  double f = 0.0;
  std::vector<double> hessian;  // k x k row-major: the polish's, else the final secant approximation
  MinimizerStop stop = MinimizerStop::kNone;
  int iterations = 0;   // quasi-Newton iterations (polish steps not counted)
  int evaluations = 0;  // objective evaluations, the polish's included
};

using Objective = std::function<double(const std::vector<double>&)>;

MinimizerSummary Minimize(const Objective& objective, std::vector<double> x0,
                          const MinimizerOptions& options);

}  // namespace kora
