#include "arma/preliminary_estimation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "arma/estimation_settings.h"
#include "arma/likelihood.h"
#include "arma/preliminary_report.h"
#include "arma/simulation.h"
#include "reference_data.h"

namespace kora {
namespace {

UnivariateProject ProjectWith(std::vector<double> series) {
  UnivariateProject project;
  project.series = std::move(series);
  return project;
}

// Estimates on the working series and stores the result, as the command does.
PreliminaryOutcome Estimate(UnivariateProject& project, const PreliminaryRequest& request) {
  const PreliminaryEstimate estimate = EstimatePreliminary(WorkingSeries(project), request);
  if (estimate.outcome != PreliminaryOutcome::kFailed) StorePreliminaryEstimate(estimate, project);
  return estimate.outcome;
}

TEST(PreliminaryEstimation, LikelihoodOfTheEstimatesAgreesWithReference) {
  const auto reference = testing::ReadReferenceFile("ar_prelim.json");
  for (const std::string key : {"nile", "sunspots_yearly"}) {
    UnivariateProject project = ProjectWith(testing::ReadDataFile(key + ".txt"));
    struct Case {
      PreliminaryRequest request;
      nlohmann::json expected;
    };
    for (const Case& c : {Case{{2, 0, kYuleWalker, 0}, reference[key]["yule_walker"]["AR2"]},
                          Case{{3, 0, kBurg, 0}, reference[key]["burg"]["AR3"]},
                          Case{{0, 2, kInnovations, 17}, reference[key]["innovations_ma"]["MA2_m17"]},
                          Case{{1, 1, kHannanRissanen, 0}, reference[key]["hannan_rissanen"]["ARMA11"]}}) {
      SCOPED_TRACE(key + " method " + std::to_string(c.request.method));
      ASSERT_EQ(Estimate(project, c.request), PreliminaryOutcome::kDone);
      const ArmaModel& model = project.model;
      // The reference uses exact pi; the summaries take 2 pi as 6.28318.
      const double expected = c.expected["m2loglik_at_estimate"];
      const int n = project.count(), k = c.request.p + c.request.q;
      const double exactPiShift = n * (std::log(2 * M_PI) - std::log(6.28318));
      EXPECT_NEAR(model.minus2LogLikelihood + exactPiShift, expected, 1e-9 * expected);
      EXPECT_NEAR(model.aicc, model.minus2LogLikelihood + 2.0 * (k + 1) * n / (n - k - 2), 1e-6);
      EXPECT_EQ(model.freeParamCount, k);
      EXPECT_EQ(model.innovTolerance, 1.0e-4);
      EXPECT_EQ(model.residualSsOverN, model.whiteNoiseVariance);
      EXPECT_EQ(project.preliminary.prelimMethod, c.request.method);
    }
    EXPECT_EQ(project.preliminary.acvfCount, 17);
  }
}

TEST(PreliminaryEstimation, MinimumAiccSearchAndNonCausalFallback) {
  UniformGenerator generator;
  ArmaModel ar2;
  ar2.arOrder = 2;
  ar2.phi[0] = 0.9;
  ar2.phi[1] = -0.6;
  const std::vector<double> x = *SimulateArma(ar2, 1.0, GaussianNoise(400, 17, generator));
  EXPECT_EQ(MinimumAiccOrder(x, kYuleWalkerMinAicc), 2);
  EXPECT_EQ(MinimumAiccOrder(x, kBurgMinAicc), 2);
  EXPECT_EQ(MinimumAiccOrder(GaussianNoise(400, 18, generator), kBurgMinAicc), 0);
  UnivariateProject project = ProjectWith(x);
  ASSERT_EQ(Estimate(project, {0, 3, kYuleWalkerMinAicc, 0}), PreliminaryOutcome::kDone);
  EXPECT_EQ(project.model.arOrder, 2);
  EXPECT_EQ(project.model.maOrder, 0);
  const std::string report = PreliminaryReportText(project);
  EXPECT_NE(report.find("Method: Yule-Walker (Minimum AICC)\r\n"), std::string::npos);
  EXPECT_NE(report.find("WN variance estimate (Yule Walker): "), std::string::npos);
  EXPECT_NE(report.find("Ratio of AR coeff. to 1.96 * (standard error)"), std::string::npos);

  // A short autocorrelated series on which Hannan-Rissanen gives a non-causal AR part.
  std::vector<double> y = GaussianNoise(12, 2, generator);
  for (size_t t = 1; t < y.size(); ++t) y[t] += 0.9 * y[t - 1];
  UnivariateProject shortProject = ProjectWith(y);
  ASSERT_EQ(Estimate(shortProject, {2, 1, kHannanRissanen, 0}), PreliminaryOutcome::kNonCausal);
  EXPECT_EQ(shortProject.model.phi[0], 0.001);
  EXPECT_EQ(shortProject.model.phi[1], 0.001);
  EXPECT_EQ(shortProject.model.theta[0], 0.001);
  EXPECT_TRUE(std::isfinite(shortProject.model.minus2LogLikelihood));
  EXPECT_FALSE(shortProject.preliminary.ratiosAvailable);
  EXPECT_EQ(PreliminaryReportText(shortProject).find("Ratio of"), std::string::npos);

  // Innovations with p different from q prints no ratios; the count line is there.
  UnivariateProject nile = ProjectWith(testing::ReadDataFile("nile.txt"));
  ASSERT_EQ(Estimate(nile, {2, 1, kInnovations, 80}), PreliminaryOutcome::kDone);
  const std::string innovations = PreliminaryReportText(nile);
  EXPECT_NE(innovations.find("(Number of ACVF's used is 18.)\r\n"), std::string::npos);
  EXPECT_EQ(innovations.find("Ratio of"), std::string::npos);
  EXPECT_EQ(innovations.find("WN variance estimate"), std::string::npos);  // p > 0 and q > 0
  // Too short for any fit: nothing changes.
  UnivariateProject tiny = ProjectWith({1.0, 2.0});
  EXPECT_EQ(Estimate(tiny, {1, 0, kYuleWalker, 0}), PreliminaryOutcome::kFailed);
  EXPECT_EQ(tiny.model.arOrder, 0);
}

}  // namespace
}  // namespace kora
