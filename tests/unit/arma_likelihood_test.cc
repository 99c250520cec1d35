#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "arma/likelihood.h"
#include "arma/model_acvf.h"
#include "reference_data.h"
#include "linalg/cholesky.h"
#include "transform/transform_ops.h"

namespace kora {
namespace {

using testing::MeanCorrected;
using testing::ModelOf;
using testing::ReadReferenceFile;
using testing::ReadDataFile;

std::vector<double> Simulate(const ArmaModel& model, int n, unsigned seed) {
  std::mt19937 rng(seed);
  std::normal_distribution<double> noise(0.0, 1.0);
  const int burn = 200;
  std::vector<double> z(n + burn), x(n + burn, 0.0);
  for (double& v : z) v = noise(rng);
  for (int t = 0; t < n + burn; ++t) {
    double v = z[t];
    for (int j = 1; j <= model.arOrder && t - j >= 0; ++j) v += model.phi[j - 1] * x[t - j];
    for (int j = 1; j <= model.maOrder && t - j >= 0; ++j) v += model.theta[j - 1] * z[t - j];
    x[t] = v;
  }
  return {x.begin() + burn, x.end()};
}

// x' G^-1 x and ln det G for the Toeplitz matrix G of gamma, by Cholesky.
std::pair<double, double> QuadraticFormAndLogDet(const std::vector<double>& gamma,
                                                 const std::vector<double>& x) {
  const int n = static_cast<int>(x.size());
  std::vector<double> g(static_cast<size_t>(n) * n), l;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) g[i * n + j] = gamma[std::abs(i - j)];
  EXPECT_TRUE(CholeskyFactor(g, n, l));
  std::vector<double> solved = x;
  CholeskySolve(l, n, solved);
  double quad = 0;
  for (int i = 0; i < n; ++i) quad += x[i] * solved[i];
  return {quad, CholeskyLogDeterminant(l, n)};
}

TEST(ArmaLikelihood, ReproducesExactMaximumLikelihoodFitsOfR) {
  const auto reference = ReadReferenceFile("arma_ml.json");
  for (const auto& [name, fit] : reference["fits"].items()) {
    SCOPED_TRACE(name);
    const std::vector<double> x = MeanCorrected(ReadDataFile(fit["series"].get<std::string>() + ".txt"));
    ASSERT_EQ(static_cast<int>(x.size()), fit["n"].get<int>());
    ArmaModel model = ModelOf(fit["phi"].get<std::vector<double>>(), fit["theta"].get<std::vector<double>>());
    const LikelihoodOutcome out = ArmaLikelihood(x, model, kMaximumLikelihood);
    ASSERT_EQ(out.status, 0);
    const double sigma2 = fit["sigma2"];
    EXPECT_NEAR(model.whiteNoiseVariance, sigma2, 1e-9 * sigma2);
    EXPECT_DOUBLE_EQ(model.objective, model.reducedLikelihood);
    // The reference uses exact pi; the summaries take 2 pi as 6.28318.
    const int n = out.n;
    const double m2 =
        Minus2LogLikelihood(n, model.whiteNoiseVariance, model.whiteNoiseVariance, model.reducedLikelihood);
    const double exactPiShift = n * (std::log(2 * M_PI) - std::log(6.28318));
    EXPECT_NEAR(m2 + exactPiShift, fit["m2loglik"].get<double>(), 1e-9 * fit["m2loglik"].get<double>());
    const int k = model.arOrder + model.maOrder;
    EXPECT_NEAR(Aicc(m2, n, k) + exactPiShift, fit["aicc"].get<double>(), 1e-9 * fit["aicc"].get<double>());
  }
}

// Expects the evaluation of the model on x to equal the dense Gaussian
// likelihood of the model's covariance matrix (relations applied).
void ExpectDenseLikelihood(ArmaModel model, const std::vector<double>& x) {
  const LikelihoodOutcome out = ArmaLikelihood(x, model, kMaximumLikelihood);
  ASSERT_EQ(out.status, 0);
  std::vector<double> c = CombinedCoefficients(model);
  ApplyRelations(model, c);
  std::vector<double> gamma;
  const int n = static_cast<int>(x.size());
  if (model.arOrder == 0)
    gamma = MaAcvf(n, model.maOrder, c.data(), 1.0);
  else
    ASSERT_EQ(ModelAcvf(n, kAcvfCompute, c, model.arOrder, model.maOrder, 1.0, gamma), 0);
  const auto [quad, logDet] = QuadraticFormAndLogDet(gamma, x);
  // -2 ln L at sigma2 = S/n, up to the constant n ln 2pi + n.
  const double dense = n * std::log(quad / n) + logDet;
  EXPECT_NEAR(n * std::log(out.s / n) + out.logSum, dense, 1e-9 * std::fabs(dense) + 1e-9);
  EXPECT_NEAR(model.whiteNoiseVariance, quad / n, 1e-9 * quad / n);
}

TEST(ArmaLikelihood, EqualsTheDenseGaussianLikelihood) {
  const std::vector<std::pair<std::vector<double>, std::vector<double>>> models = {
      {{0.5, -0.3}, {0.4, 0.2, -0.3}}, {{0.9, -0.2, 0.1}, {0.6}}, {{}, {0.8, -0.5}}, {{-0.7}, {}}, {{}, {}}};
  for (const auto& [phi, theta] : models) {
    const ArmaModel model = ModelOf(phi, theta, 2.0);
    ExpectDenseLikelihood(model, Simulate(model, 45, 7));
  }
  // MA roots approaching the unit circle, real and complex, with and without
  // an AR part: the recursion converges ever more slowly.
  const int n = 400;
  int settled = 0;
  for (const double radius : {0.8, 0.95, 0.999}) {
    SCOPED_TRACE(radius);
    for (const ArmaModel& model :
         {ModelOf({}, {radius}), ModelOf({0.5}, {-radius}),
          ModelOf({}, {-2 * radius * std::cos(1.0), radius * radius}), ModelOf({}, {0, 0, 0, -radius})}) {
      ArmaModel evaluated = model;
      ExpectDenseLikelihood(model, Simulate(model, n, 13));
      ArmaLikelihood(Simulate(model, n, 13), evaluated, kMaximumLikelihood);
      if (evaluated.convergeIndex < n) ++settled;
    }
  }
  EXPECT_GE(settled, 5);  // the steady state is taken where it is reached
  // The airline model of log air passengers differenced at lags 12 and 1: an
  // MA(13) with theta2..theta11 fixed at 0 and theta13 = theta1 theta12.
  UnivariateProject project;
  project.series = project.untransformedSeries = ReadDataFile("air_passengers.txt");
  ASSERT_TRUE(PushBoxCox(project, 0.0));
  ASSERT_TRUE(PushDifference(project, 12));
  ASSERT_TRUE(PushDifference(project, 1));
  ArmaModel airline = ModelOf({}, {-0.4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -0.55, 0});
  airline.multRelationCount = 1;
  airline.multRelationTarget[0] = 13;
  airline.multRelationFactor1[0] = 1;
  airline.multRelationFactor2[0] = 12;
  ExpectDenseLikelihood(airline, WorkingSeries(project));
}

TEST(ArmaLikelihood, ClosedFormsAndModes) {
  const std::vector<double> x = {1.5, -0.5, 2.0, 0.25, -1.0, 0.5};
  const int n = 6;
  double sumSquares = 0;
  for (double v : x) sumSquares += v * v;
  // White noise: S = sum x^2, r = 1.
  ArmaModel white;
  white.storeResiduals = true;
  LikelihoodOutcome out = ArmaLikelihood(x, white, kMaximumLikelihood);
  ASSERT_EQ(out.status, 0);
  EXPECT_NEAR(out.s, sumSquares, 1e-12);
  EXPECT_NEAR(out.logSum, 0.0, 1e-12);
  EXPECT_EQ(white.arOrder, 0);
  EXPECT_NEAR(white.reducedLikelihood, std::log(sumSquares / n), 1e-12);
  for (int t = 0; t < n; ++t) EXPECT_NEAR(out.residuals[t], x[t], 1e-12);

  // AR(1): r(0) = 1/(1-phi^2), r(t) = 1.
  const double phi = 0.6;
  ArmaModel ar = ModelOf({phi}, {});
  out = ArmaLikelihood(x, ar, kLeastSquares);
  double s = (1 - phi * phi) * x[0] * x[0];
  for (int t = 1; t < n; ++t) s += (x[t] - phi * x[t - 1]) * (x[t] - phi * x[t - 1]);
  EXPECT_NEAR(out.s, s, 1e-12);
  EXPECT_NEAR(out.logSum, -std::log(1 - phi * phi), 1e-12);
  EXPECT_NEAR(ar.whiteNoiseVariance, s / (n - 1), 1e-12);  // least squares: S/(n-p-q)
  EXPECT_NEAR(ar.objective, std::log(s / (n - 1)), 1e-12);
  ArmaLikelihood(x, ar, kMaximumLikelihood);
  EXPECT_NEAR(ar.whiteNoiseVariance, s / n, 1e-12);
  EXPECT_EQ(ar.functionEvaluations, 2);

  // A non-causal model fails and leaves every likelihood field as it was.
  ArmaModel bad = ModelOf({1.0}, {0.3}, 3.5);
  bad.reducedLikelihood = 7;
  bad.objective = 8;
  out = ArmaLikelihood(x, bad, kMaximumLikelihood);
  EXPECT_EQ(out.status, -1);
  EXPECT_EQ(bad.whiteNoiseVariance, 3.5);
  EXPECT_EQ(bad.reducedLikelihood, 7);
  EXPECT_EQ(bad.objective, 8);
  EXPECT_EQ(bad.functionEvaluations, 1);

  // A constant (mean-corrected) series: S = 0, no logarithm is taken.
  ArmaModel zero = ModelOf({0.5}, {});
  zero.reducedLikelihood = 3;
  out = ArmaLikelihood(std::vector<double>(10, 0.0), zero, kMaximumLikelihood);
  EXPECT_EQ(out.status, 0);
  EXPECT_EQ(zero.whiteNoiseVariance, 0.0);
  EXPECT_EQ(zero.reducedLikelihood, 3);
  EXPECT_EQ(Minus2LogLikelihood(10, 0.0, 0.0, 3), 0.0);
}

TEST(ArmaLikelihood, MultiplicativeRelationsAreAppliedBeforeTheEvaluation) {
  const std::vector<double> x = Simulate(ModelOf({0.5, 0.0, -0.2}, {}), 80, 3);
  ArmaModel related = ModelOf({0.5, 0.4, 0.0}, {});
  related.multRelationCount = 1;
  related.multRelationTarget[0] = 3;  // phi3 = -(phi1 phi2)
  related.multRelationFactor1[0] = 1;
  related.multRelationFactor2[0] = 2;
  ArmaModel direct = ModelOf({0.5, 0.4, -0.2}, {});
  ArmaLikelihood(x, related, kMaximumLikelihood);
  ArmaLikelihood(x, direct, kMaximumLikelihood);
  EXPECT_DOUBLE_EQ(related.reducedLikelihood, direct.reducedLikelihood);
}

TEST(ArmaLikelihood, SteadyStateIsTakenOnlyAtTheLimit) {
  ArmaModel model = ModelOf({0.7}, {0.5, -0.3});
  const std::vector<double> x = Simulate(model, 100000, 11);
  const LikelihoodOutcome out = ArmaLikelihood(x, model, kMaximumLikelihood);
  ASSERT_EQ(out.status, 0);
  EXPECT_LT(model.convergeIndex, 200);
  EXPECT_GT(model.convergeIndex, 4);
  EXPECT_NEAR(model.whiteNoiseVariance, 1.0, 0.02);

  // theta = 1 is not invertible: still evaluated, r(n) decreasing towards 1,
  // and no steady state at all.
  ArmaModel unit = ModelOf({}, {1.0});
  const std::vector<double> y = Simulate(unit, 300, 5);
  const std::vector<double> gamma = MaAcvf(2, 1, unit.theta.data(), 1.0);
  InnovationsKernel kappa(CombinedCoefficients(unit), 0, 1, gamma);
  const InnovationsResult run = InnovationsAlgorithm(kappa, y, CombinedCoefficients(unit), {});
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.convergeIndex, 300);
  for (int t = 1; t <= 300; ++t) EXPECT_LT(run.r[t], run.r[t - 1]);
  EXPECT_NEAR(run.r[300], 1.0 + 1.0 / 301, 1e-9);  // r(n) = (n+2)/(n+1) for theta = 1
}

TEST(InnovationsCoefficients, ConvergeToTheInvertibleMaPart) {
  const std::vector<double> x = Simulate(ModelOf({}, {0.5}), 30, 2);
  ArmaModel model = ModelOf({}, {2.0});
  const InnovationsCoefficientsResult result = InnovationsCoefficients(x, model);
  ASSERT_EQ(result.status, 0);
  EXPECT_NEAR(result.theta[0], 0.5, 1e-6);
  EXPECT_NEAR(result.r, 4.0, 1e-5);
  // theta(z) = (1 + 2z)(1 - 0.25 z) = 1 + 1.75 z - 0.5 z^2 has the invertible
  // equivalent (1 + 0.5z)(1 - 0.25z) = 1 + 0.25 z - 0.125 z^2.
  ArmaModel ma2 = ModelOf({0.3}, {1.75, -0.5});
  const InnovationsCoefficientsResult two = InnovationsCoefficients(x, ma2);
  EXPECT_NEAR(two.theta[0], 0.25, 1e-5);
  EXPECT_NEAR(two.theta[1], -0.125, 1e-5);
}

TEST(ArmaLikelihood, ForecastModeMatchesR) {
  const auto reference = ReadReferenceFile("arma_ml.json");
  const auto& fit = reference["fits"]["nile_ARMA(1,1)"];
  const auto& forecast = reference["forecast_nile_ARMA(1,1)"];
  const std::vector<double> x = MeanCorrected(ReadDataFile("nile.txt"));
  ArmaModel model = ModelOf(fit["phi"].get<std::vector<double>>(), fit["theta"].get<std::vector<double>>());
  const LikelihoodOutcome out = ArmaLikelihood(x, model, 10);
  ASSERT_EQ(out.status, 0);
  const auto pred = forecast["pred_mean_corrected"].get<std::vector<double>>();
  const auto se = forecast["sqrt_mse"].get<std::vector<double>>();
  ASSERT_EQ(out.forecasts.size(), 10u);
  for (int h = 0; h < 10; ++h) {
    EXPECT_NEAR(out.forecasts[h], pred[h], 1e-5 * std::abs(pred[0]));
    EXPECT_NEAR(std::sqrt(out.forecastMse[h]), se[h], 1e-6 * se[h]);
  }
}

TEST(LikelihoodSummaries, FormulasAndUndefinedCases) {
  // sigma2 = S': n ln 2pi + n l + n, with 2 pi = 6.28318.
  EXPECT_NEAR(Minus2LogLikelihood(50, 2.0, 2.0, 0.8), 50 * (std::log(6.28318) + 0.8 + 1), 1e-10);
  EXPECT_NEAR(Minus2LogLikelihood(50, 4.0, 2.0, 0.8),
              50 * (0.5 + std::log(6.28318) + 0.8 + std::log(4.0) - std::log(2.0)), 1e-10);
  EXPECT_NEAR(Aicc(100, 50, 2), 100 + 2.0 * 3 * 50 / 46, 1e-12);
  EXPECT_EQ(Aicc(100, 4, 2), 0.0);
  EXPECT_NEAR(AiccCorrectedForRegression(100, 50, 1, 1, 2), 100 + 2.0 * 5 * 50 / 44, 1e-12);
  EXPECT_NEAR(Fpe(2.0, 50, 2), 2.0 * 52 / 48, 1e-12);
  const std::vector<double> x = {1, -2, 3, -1, 2, -3, 1, 0};  // mean square 29/8
  const double s2 = 29.0 / 8;
  EXPECT_NEAR(Bic(x, 1.5, 2),
              8 * (std::log(1.5) + std::log(6.28318) + 1) - 6 * std::log(1 - 2.0 / 8) +
                  2 * std::log(8 * (s2 / 1.5 - 1) / 2),
              1e-10);
  EXPECT_EQ(Bic(x, 4.0, 2), 0.0);  // s2 <= sigma2
  EXPECT_EQ(Bic(x, 1.5, 0), 0.0);
}

}  // namespace
}  // namespace kora
