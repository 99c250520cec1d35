#include "arma/minimizer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kora {
namespace {

double Rosenbrock(const std::vector<double>& x) {
  return 100.0 * std::pow(x[1] - x[0] * x[0], 2) + std::pow(1.0 - x[0], 2);
}

TEST(Minimizer, FindsMinimaOfStandardFunctions) {
  MinimizerOptions options;
  options.stepTolerance = 1e-10;
  options.iterationLimit = 500;
  // With the default assumed precision (8E-8) the difference steps are coarse:
  // the Rosenbrock valley is found to a few thousandths.
  MinimizerSummary coarse = Minimize(Rosenbrock, {-1.2, 1.0}, options);
  EXPECT_NEAR(coarse.x[0], 1.0, 1e-2);
  EXPECT_NEAR(coarse.x[1], 1.0, 2e-2);
  EXPECT_LT(coarse.f, 1e-4);
  // With double precision assumed the minimum is found closely.
  options.machinePrecision = 1e-15;
  options.gradientTolerance = 1e-12;
  MinimizerSummary rosen = Minimize(Rosenbrock, {-1.2, 1.0}, options);
  EXPECT_NEAR(rosen.x[0], 1.0, 1e-5);
  EXPECT_NEAR(rosen.x[1], 1.0, 2e-5);
  EXPECT_LT(rosen.f, 1e-9);

  // Powell's singular function: minimum 0 at the origin, singular Hessian there.
  auto powell = [](const std::vector<double>& x) {
    return std::pow(x[0] + 10 * x[1], 2) + 5 * std::pow(x[2] - x[3], 2) + std::pow(x[1] - 2 * x[2], 4) +
           10 * std::pow(x[0] - x[3], 4);
  };
  MinimizerSummary singular = Minimize(powell, {3, -1, 0, 1}, options);
  EXPECT_LT(singular.f, 1e-5);

  // A quadratic with known Hessian diag(2, 20): the secant approximation
  // converges to it and the minimum is exact.
  auto quadratic = [](const std::vector<double>& x) {
    return (x[0] - 3) * (x[0] - 3) + 10 * (x[1] + 2) * (x[1] + 2) + 5.0;
  };
  MinimizerSummary quad = Minimize(quadratic, {0, 0}, options);
  EXPECT_NEAR(quad.x[0], 3.0, 1e-4);
  EXPECT_NEAR(quad.x[1], -2.0, 1e-4);
  EXPECT_NEAR(quad.f, 5.0, 1e-8);
  ASSERT_EQ(quad.hessian.size(), 4u);
  EXPECT_NEAR(quad.hessian[0], 2.0, 0.2);
  EXPECT_NEAR(quad.hessian[3], 20.0, 2.0);
  EXPECT_GT(quad.evaluations, quad.iterations);
}

TEST(Minimizer, TerminationCodesAndProgress) {
  using enum MinimizerStop;
  std::vector<MinimizerProgress> progress;
  MinimizerOptions options;
  options.iterationLimit = 3;
  options.stepTolerance = 1e-12;
  options.progress = [&](const MinimizerProgress& step) {
    progress.push_back(step);
    return true;
  };
  MinimizerSummary limited = Minimize(Rosenbrock, {-1.2, 1.0}, options);
  EXPECT_EQ(limited.stop, kIterationLimit);
  EXPECT_EQ(limited.iterations, 3);
  ASSERT_EQ(progress.size(), 3u);
  EXPECT_EQ(progress[0].iteration, 1);
  EXPECT_EQ(progress[2].iteration, 3);
  EXPECT_EQ(progress[2].objective, limited.f);
  EXPECT_GT(progress[0].objective, progress[2].objective);
  EXPECT_GT(progress[2].gradientNorm, 0.0);
  // A callback that asks to stop ends the run at the point reached.
  options.iterationLimit = 100;
  options.progress = [](const MinimizerProgress& step) { return step.iteration < 2; };
  MinimizerSummary interrupted = Minimize(Rosenbrock, {-1.2, 1.0}, options);
  EXPECT_EQ(interrupted.stop, kInterrupted);
  EXPECT_EQ(interrupted.iterations, 2);
  EXPECT_EQ(interrupted.f, Rosenbrock(interrupted.x));

  // A loose accuracy stops on the step test; the Newton polish then finds
  // the minimum all the same (in x to the square root of f's precision).
  options.stepTolerance = 0.05;
  options.progress = nullptr;
  auto bowl = [](const std::vector<double>& x) { return std::cosh(x[0] - 0.3) + std::cosh(x[1]); };
  const MinimizerSummary loose = Minimize(bowl, {2.0, -1.5}, options);
  EXPECT_EQ(loose.stop, kStep);
  EXPECT_NEAR(loose.x[0], 0.3, 1e-7);
  EXPECT_NEAR(loose.x[1], 0.0, 1e-7);
  EXPECT_NEAR(loose.hessian[0], 1.0, 1e-3);  // the polish's Hessian: cosh'' = 1 near the minimum
  options.polishSteps = 0;
  EXPECT_GT(std::fabs(Minimize(bowl, {2.0, -1.5}, options).x[0] - 0.3), 1e-7);
  options.polishSteps = MinimizerOptions{}.polishSteps;

  // A quadratic solved to a tight accuracy ends on the gradient test (the
  // central-difference gradient of a quadratic vanishes at its minimum).
  options.stepTolerance = 1e-12;
  auto quadratic = [](const std::vector<double>& x) { return (x[0] - 1) * (x[0] - 1) + 3 * x[1] * x[1]; };
  EXPECT_EQ(Minimize(quadratic, {2.0, 1.0}, options).stop, kGradient);

  // Unbounded below along a line: maximum steps in a row.
  auto slope = [](const std::vector<double>& x) { return -x[0]; };
  options.maxStep = 1.0;
  EXPECT_EQ(Minimize(slope, {0.0}, options).stop, kMaxSteps);

  // A function that is flat to noise everywhere except at the start: no lower point.
  auto plateau = [](const std::vector<double>& x) {
    return std::fabs(x[0]) < 1e-9 ? 0.0 : 1.0 + 1e-3 * x[0];
  };
  options.maxStep = 0.0;
  EXPECT_EQ(Minimize(plateau, {0.0}, options).stop, kNoLowerPoint);
}

}  // namespace
}  // namespace kora
