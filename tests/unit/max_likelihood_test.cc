#include "arma/max_likelihood.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "arma/estimation_settings.h"
#include "arma/likelihood.h"
#include "arma/preliminary_estimation.h"
#include "reference_data.h"
#include "transform/transform_ops.h"

namespace kora {
namespace {

UnivariateProject ProjectOf(const std::string& key) {
  UnivariateProject project;
  project.series = testing::ReadDataFile(key + ".txt");  // the working series is mean-corrected
  project.untransformedSeries = project.series;
  return project;
}

// Estimates with the model's settings and stores the result, as the command does.
MlOutcome Fit(UnivariateProject& project, std::function<bool(const MinimizerProgress&)> progress = nullptr) {
  MlOptions options = MlOptionsOf(project.model);
  options.progress = std::move(progress);
  const MlEstimate estimate = EstimateMaxLikelihood(WorkingSeries(project), project.model, options);
  StoreMlEstimate(estimate, project.model);
  project.iterationCount = estimate.iterations;
  return estimate.outcome;
}

void Prepare(UnivariateProject& project, int p, int q) {
  PreliminaryRequest request{p, q, q == 0 ? kYuleWalker : kHannanRissanen, 0};
  const PreliminaryEstimate start = EstimatePreliminary(WorkingSeries(project), request);
  ASSERT_EQ(start.outcome, PreliminaryOutcome::kDone);
  StorePreliminaryEstimate(start, project);
  project.model.accuracy = DefaultAccuracy(project.model);
  project.model.iterationLimit = 50;
  project.model.estimationMode = kMaximumLikelihood;
  project.model.innovTolerance = 5.0e-5;
}

TEST(MaxLikelihood, ReachesTheMaximumOfRArimaMlAtTheDefaultSettings) {
  const auto fits = testing::ReadReferenceFile("arma_ml.json")["fits"];
  for (const auto& [name, fit] : fits.items()) {
    SCOPED_TRACE(name);
    UnivariateProject project = ProjectOf(fit["series"].get<std::string>());
    const int p = fit["p"], q = fit["q"];
    Prepare(project, p, q);
    std::vector<MinimizerProgress> progress;
    const MlOutcome outcome = Fit(project, [&](const MinimizerProgress& step) {
      progress.push_back(step);
      return true;
    });
    EXPECT_EQ(outcome, MlOutcome::kDone);
    ASSERT_GE(project.iterationCount, 1);
    ASSERT_EQ(static_cast<int>(progress.size()), project.iterationCount);
    for (size_t i = 0; i < progress.size(); ++i) {
      EXPECT_EQ(progress[i].iteration, static_cast<int>(i) + 1);
      if (i > 0) EXPECT_LE(progress[i].objective, progress[i - 1].objective);
      EXPECT_GE(progress[i].gradientNorm, 0.0);
    }
    // The maximum itself (R's arima stops up to 8e-6 short of it), and no
    // worse a likelihood than arima's own fit.
    const ArmaModel& model = project.model;
    const auto& maximum = fit["exact_maximum"];
    for (int j = 0; j < p; ++j) EXPECT_NEAR(model.phi[j], maximum["phi"][j].get<double>(), 1e-6);
    for (int j = 0; j < q; ++j) EXPECT_NEAR(model.theta[j], maximum["theta"][j].get<double>(), 1e-6);
    // The reference uses exact pi; the summaries take 2 pi as 6.28318.
    const double exactPiShift = project.count() * (std::log(2 * M_PI) - std::log(6.28318));
    const double m2 = maximum["m2loglik"], aicc = fit["aicc"], sigma2 = fit["sigma2"];
    EXPECT_NEAR(model.minus2LogLikelihood + exactPiShift, m2, 1e-6 * m2);
    EXPECT_LE(model.minus2LogLikelihood + exactPiShift, fit["m2loglik"].get<double>() + 1e-9 * m2);
    EXPECT_NEAR(model.aicc + exactPiShift, aicc, 1e-6 * aicc);
    EXPECT_NEAR(model.whiteNoiseVariance, sigma2, 1e-5 * sigma2);
    EXPECT_EQ(model.residualSsOverN, model.whiteNoiseVariance);
    for (int j = 0; j < p + q; ++j) {
      EXPECT_GT(model.standardErrors[j], 0.0);
      EXPECT_LT(model.standardErrors[j], 1.0);
    }
  }
  // A stop asked for after the first iteration keeps the estimate reached.
  UnivariateProject stopped = ProjectOf("sunspots_yearly");
  Prepare(stopped, 2, 1);
  const double start = stopped.model.reducedLikelihood;
  EXPECT_EQ(Fit(stopped, [](const MinimizerProgress&) { return false; }), MlOutcome::kInterrupted);
  EXPECT_EQ(stopped.iterationCount, 1);
  EXPECT_EQ(stopped.model.stopCode, MinimizerStop::kInterrupted);
  EXPECT_LT(stopped.model.reducedLikelihood, start);
}

TEST(MaxLikelihood, ReachesTheMaximumOfTheConstrainedAirlineModel) {
  const auto airline = testing::ReadReferenceFile("seasonal_ml.json")["airline"];
  UnivariateProject project = ProjectOf("air_passengers");
  ASSERT_TRUE(PushBoxCox(project, 0.0));
  ASSERT_TRUE(PushDifference(project, 12));
  ASSERT_TRUE(PushDifference(project, 1));
  // MA(13): theta2..theta11 fixed at 0, theta13 = theta1 theta12.
  ArmaModel& model = project.model;
  model.maOrder = 13;
  model.theta[0] = -0.2;
  model.theta[11] = -0.3;
  model.freeParamCount = 2;
  model.freeParamList = {1, 12, 13};
  model.multRelationCount = 1;
  model.multRelationTarget[0] = 13;
  model.multRelationFactor1[0] = 1;
  model.multRelationFactor2[0] = 12;
  model.accuracy = DefaultAccuracy(model);
  EXPECT_EQ(Fit(project), MlOutcome::kDone);
  EXPECT_NEAR(model.theta[0], airline["theta1"].get<double>(), 1e-6);
  EXPECT_NEAR(model.theta[11], airline["theta12"].get<double>(), 1e-6);
  EXPECT_DOUBLE_EQ(model.theta[12], model.theta[0] * model.theta[11]);
  const double exactPiShift = project.count() * (std::log(2 * M_PI) - std::log(6.28318));
  const double m2 = airline["m2loglik"], sigma2 = airline["sigma2"];
  EXPECT_NEAR(model.minus2LogLikelihood + exactPiShift, m2, 1e-6 * std::fabs(m2));
  EXPECT_NEAR(model.whiteNoiseVariance, sigma2, 1e-6 * sigma2);
}

TEST(MaxLikelihood, StandardErrorsAndModes) {
  UnivariateProject project = ProjectOf("nile");
  Prepare(project, 1, 0);
  project.model.accuracy = 1e-8;
  Fit(project);
  const int n = project.count();
  const double phi = project.model.phi[0];
  // AR(1): the asymptotic standard error is sqrt((1 - phi^2)/n).
  EXPECT_NEAR(project.model.standardErrors[0], std::sqrt((1 - phi * phi) / n), 0.2 * std::sqrt(1.0 / n));
  // The Hessian fallback gives that value exactly.
  ArmaModel fallback = project.model;
  ComputeStandardErrors(fallback, {-1.0}, n);  // not positive definite
  EXPECT_NEAR(fallback.standardErrors[0], std::sqrt((1 - phi * phi) / n), 1e-6);
  // Least squares: sigma2 = S/(n-p-q), the objective is ln sigma2, and the
  // estimate differs slightly from maximum likelihood.
  UnivariateProject ls = ProjectOf("nile");
  Prepare(ls, 1, 0);
  ls.model.estimationMode = kLeastSquares;
  Fit(ls);
  EXPECT_NEAR(ls.model.objective, std::log(ls.model.whiteNoiseVariance), 1e-12);
  EXPECT_NE(ls.model.phi[0], phi);
  EXPECT_NEAR(ls.model.phi[0], phi, 0.05);
  // No optimization keeps the coefficients and the user's sigma2; the
  // evaluation's S/n becomes (Residual SS)/N.
  UnivariateProject fixed = ProjectOf("nile");
  fixed.model.arOrder = 1;
  fixed.model.phi[0] = 0.5;
  fixed.model.whiteNoiseVariance = 20000.0;
  fixed.model.noOptimization = true;
  Fit(fixed);
  EXPECT_EQ(fixed.model.phi[0], 0.5);
  EXPECT_EQ(fixed.model.whiteNoiseVariance, 20000.0);
  ArmaModel check = fixed.model;
  ArmaLikelihood(WorkingSeries(fixed), check, kMaximumLikelihood);
  EXPECT_DOUBLE_EQ(fixed.model.residualSsOverN, check.whiteNoiseVariance);
}

TEST(MaxLikelihood, ConstraintsAndPenalties) {
  // A fixed coefficient keeps its value; the free one moves.
  UnivariateProject project = ProjectOf("sunspots_yearly");
  Prepare(project, 2, 0);
  project.model.phi[1] = -0.5;
  project.model.freeParamCount = 1;
  project.model.freeParamList = {1};
  Fit(project);
  EXPECT_EQ(project.model.phi[1], -0.5);
  EXPECT_EQ(project.model.standardErrors[1], 0.0);
  EXPECT_GT(project.model.standardErrors[0], 0.0);
  // A relation theta3 = theta1 theta2 (MA group, combined indices 3 = 1 x 2).
  UnivariateProject related = ProjectOf("nile");
  Prepare(related, 0, 3);
  ArmaModel& m = related.model;
  m.multRelationCount = 1;
  m.multRelationTarget[0] = 3;
  m.multRelationFactor1[0] = 1;
  m.multRelationFactor2[0] = 2;
  m.freeParamCount = 2;  // free list 1, 2 then the target 3
  EXPECT_EQ(Fit(related), MlOutcome::kDone);
  EXPECT_NEAR(m.theta[2], m.theta[0] * m.theta[1], 1e-12);
  EXPECT_NE(m.theta[2], 0.0);
  // The penalty: a non-causal point costs more than the last value.
  ArmaModel model = project.model;
  model.freeParamCount = 2;
  model.freeParamList = {1, 2};
  const std::vector<double> series = WorkingSeries(project);
  const double good = MlObjective(series, model, {1.3, -0.6});
  const double bad = MlObjective(series, model, {1.5, 0.6});
  EXPECT_NEAR(bad, good + std::fabs(good) / 2 + 0.01, 1e-12);
  // A non-invertible MA point with every coefficient free is penalised too.
  ArmaModel ma;
  ma.maOrder = 1;
  ma.freeParamCount = 1;
  ma.freeParamList = {1};
  const double invertible = MlObjective(series, ma, {0.5});
  EXPECT_NEAR(MlObjective(series, ma, {2.0}), invertible + std::fabs(invertible) / 2 + 0.01, 1e-12);
}

TEST(MaxLikelihood, DegenerateInputsGiveFiniteResults) {
  // A non-causal starting model ends with every coefficient at 0.001.
  UnivariateProject project = ProjectOf("nile");
  project.model.arOrder = 1;
  project.model.phi[0] = 1.0;
  project.model.freeParamCount = 1;
  project.model.freeParamList = {1};
  project.model.accuracy = 0.001;
  EXPECT_EQ(Fit(project), MlOutcome::kNonCausal);
  EXPECT_EQ(project.model.phi[0], 0.001);
  EXPECT_TRUE(std::isfinite(project.model.minus2LogLikelihood));
  // An iteration limit of 1 reports code 4.
  UnivariateProject limited = ProjectOf("sunspots_yearly");
  Prepare(limited, 2, 1);
  limited.model.iterationLimit = 1;
  limited.model.accuracy = 1e-9;
  EXPECT_EQ(Fit(limited), MlOutcome::kIterationLimit);
  EXPECT_EQ(limited.model.stopCode, MinimizerStop::kIterationLimit);
  // A series barely longer than the model: finite numbers throughout.
  UnivariateProject tiny;
  tiny.series = {1.0, 3.0, 2.0, 5.0, 4.0};
  tiny.model.arOrder = 2;
  tiny.model.maOrder = 1;
  tiny.model.phi = {0.2, 0.1};
  tiny.model.theta = {0.3};
  tiny.model.freeParamCount = 3;
  tiny.model.freeParamList = {1, 2, 3};
  tiny.model.accuracy = 0.001;
  EXPECT_NEAR(DefaultAccuracy(tiny.model), std::fabs(0.01 * 0.2) + 1e-5, 1e-15);
  Fit(tiny);
  EXPECT_TRUE(std::isfinite(tiny.model.minus2LogLikelihood));
  EXPECT_TRUE(std::isfinite(tiny.model.aicc));
  for (int j = 0; j < 3; ++j) EXPECT_TRUE(std::isfinite(tiny.model.standardErrors[j]));
  EXPECT_EQ(DefaultAccuracy(ArmaModel{}), 0.001);
}

}  // namespace
}  // namespace kora
