// Unconstrained quasi-Newton minimisation after Dennis and Schnabel: line
// search, forward-difference gradients (central differences once a line
// search fails with forward ones), BFGS secant updates of the Hessian.
#pragma once

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace kora {

struct MinimizerOptions {
  // Assumed relative precision of the objective; sets the finite-difference steps.
  double machinePrecision = 8.0e-8;
  // Relative gradient at which the minimum counts as found (code 1).
  double gradientTolerance = std::pow(8.0e-8, 0.95);
  // Relative step at which the minimum counts as found (code 2): the "Accuracy parameter".
  double stepTolerance = 1.0e-3;
  int iterationLimit = 50;
  // Longest step in scaled units; 0 means 1000 max(||x0||, 1).
  double maxStep = 0.0;
  // Start from a finite-difference Hessian at x0 when it is positive
  // definite (else the identity): better scaled first steps, and standard
  // errors that mean something even when the minimiser stops early.
  bool differenceHessianStart = true;
  // Receives "ITERATION" before the first iteration, then each iteration's number.
  std::function<void(const std::string&)> progress;
};

// Termination codes, tested in this order after each iteration.
enum MinimizerStop : int {
  kStopNoLowerPoint = 3,  // the last line search found no lower point
  kStopGradient = 1,      // relative gradient below tolerance
  kStopStep = 2,          // relative step below the accuracy parameter
  kStopIterationLimit = 4,
  kStopMaxSteps = 5,  // five maximum steps in a row
};

struct MinimizerSummary {
  std::vector<double> x;
  double f = 0.0;
  std::vector<double> hessian;  // k x k row-major, the final secant approximation
  int stopCode = 0;
  int iterations = 0;
  int evaluations = 0;
};

using Objective = std::function<double(const std::vector<double>&)>;

MinimizerSummary Minimize(const Objective& objective, std::vector<double> x0,
                          const MinimizerOptions& options);

}  // namespace kora
