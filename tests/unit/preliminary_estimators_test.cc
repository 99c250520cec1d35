#include "arma/preliminary_estimators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "reference_data.h"

namespace kora {
namespace {

constexpr double kTolerance = 1e-8;

void ExpectNear(const std::vector<double>& actual, const nlohmann::json& expected, double tolerance,
                const std::string& what) {
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (size_t j = 0; j < actual.size(); ++j)
    EXPECT_NEAR(actual[j], expected[j].get<double>(), tolerance) << what << " coefficient " << j + 1;
}

class PreliminaryReference : public ::testing::TestWithParam<std::string> {};

TEST_P(PreliminaryReference, ArEstimatorsAgreeWithR) {
  const auto reference = testing::ReadReferenceFile("ar_prelim.json")[GetParam()];
  const auto x = testing::MeanCorrected(testing::ReadDataFile(GetParam() + ".txt"));
  const auto gamma = RawAutocovariances(x, 3);
  for (int h = 0; h <= 3; ++h)
    EXPECT_NEAR(gamma[h], reference["acvf_0_3"][h].get<double>(),
                1e-9 * reference["acvf_0_3"][0].get<double>());
  for (int p = 1; p <= 3; ++p) {
    const std::string key = "AR" + std::to_string(p);
    const PreliminaryFit yw = YuleWalkerFit(x, p);
    ASSERT_TRUE(yw.ok);
    ExpectNear(yw.phi, reference["yule_walker"][key]["phi"], kTolerance, "Yule-Walker " + key);
    const double ywSigma2 = reference["yule_walker"][key]["sigma2"];
    EXPECT_NEAR(yw.methodWnVariance, ywSigma2, 1e-8 * ywSigma2);
    const PreliminaryFit burg = BurgFit(x, p);
    ASSERT_TRUE(burg.ok);
    ExpectNear(burg.phi, reference["burg"][key]["phi"], kTolerance, "Burg " + key);
    const double burgSigma2 = reference["burg"][key]["sigma2"];
    EXPECT_NEAR(burg.methodWnVariance, burgSigma2, 1e-8 * burgSigma2);
    ASSERT_EQ(yw.ratios.size(), static_cast<size_t>(p));
    ASSERT_EQ(burg.ratios.size(), static_cast<size_t>(p));
  }
}

TEST_P(PreliminaryReference, InnovationsAndHannanRissanenAgreeWithStatsmodels) {
  const auto reference = testing::ReadReferenceFile("ar_prelim.json")[GetParam()];
  const auto x = testing::MeanCorrected(testing::ReadDataFile(GetParam() + ".txt"));
  const int n = static_cast<int>(x.size());
  for (int q = 1; q <= 2; ++q) {
    const std::string key = "MA" + std::to_string(q) + "_m17";
    const PreliminaryFit fit = InnovationsFit(x, 0, q, 17);
    ASSERT_TRUE(fit.ok);
    ExpectNear(fit.theta, reference["innovations_ma"][key]["theta"], kTolerance, key);
    const double sigma2 = reference["innovations_ma"][key]["sigma2"];
    EXPECT_NEAR(fit.methodWnVariance, sigma2, 1e-8 * sigma2);
    // se(theta_j) = sqrt(sum_{i<j} theta(m,i)^2 / n), theta(m,0) = 1.
    ASSERT_EQ(fit.ratios.size(), static_cast<size_t>(q));
    EXPECT_NEAR(fit.ratios[0], fit.theta[0] / (1.96 * std::sqrt(1.0 / n)), 1e-9);
  }
  EXPECT_EQ(HannanRissanenLongOrder(1, 1, n), 22);
  const auto& hr = reference["hannan_rissanen"]["ARMA11"];
  const PreliminaryFit fit = HannanRissanenFit(x, 1, 1);
  ASSERT_TRUE(fit.ok);
  ExpectNear(fit.phi, hr["phi"], 1e-7, "Hannan-Rissanen phi");
  ExpectNear(fit.theta, hr["theta"], 1e-7, "Hannan-Rissanen theta");
  EXPECT_EQ(fit.ratios.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Series, PreliminaryReference, ::testing::Values("nile", "sunspots_yearly"));

TEST(PreliminaryEstimators, InnovationsArmaRecoversPureMaAndCountRules) {
  // With p = 0 the ARMA branch must reduce to the MA branch; the ARMA(1,1)
  // fit solves theta(m,2) = phi theta(m,1) and theta1 = theta(m,1) - phi.
  const auto x = testing::MeanCorrected(testing::ReadDataFile("nile.txt"));
  const PreliminaryFit ma = InnovationsFit(x, 0, 2, 17);
  const PreliminaryFit arma = InnovationsFit(x, 1, 1, 17);
  ASSERT_TRUE(ma.ok && arma.ok);
  const PreliminaryFit ma3 = InnovationsFit(x, 0, 3, 17);  // theta(17, 1..3)
  EXPECT_NEAR(arma.phi[0], ma3.theta[1] / ma3.theta[0], 1e-12);
  EXPECT_NEAR(arma.theta[0], ma3.theta[0] - arma.phi[0], 1e-12);
  EXPECT_EQ(arma.ratios.size(), 2u);                        // p = q: ratios from the mapped covariance
  EXPECT_TRUE(InnovationsFit(x, 2, 1, 17).ratios.empty());  // p != q: none
  // Automatic count: min(p+q+15, n-2); an entry that is too large is replaced.
  EXPECT_EQ(InnovationsAcvfCount(0, 1, 1, 100), 17);
  EXPECT_EQ(InnovationsAcvfCount(80, 1, 1, 100), 17);
  EXPECT_EQ(InnovationsAcvfCount(30, 1, 1, 100), 30);
  EXPECT_EQ(InnovationsAcvfCount(1, 1, 1, 100), 17);
  EXPECT_EQ(InnovationsAcvfCount(0, 2, 2, 10), 8);
  EXPECT_EQ(HannanRissanenLongOrder(2, 1, 200), 23);
  EXPECT_EQ(HannanRissanenLongOrder(2, 1, 40), 20);
  EXPECT_EQ(HannanRissanenLongOrder(10, 10, 1000), 40);
  EXPECT_EQ(HannanRissanenLongOrder(27, 27, 1000), 54);
}

TEST(PreliminaryEstimators, DegenerateSeriesFailWithoutNonFiniteValues) {
  const std::vector<double> zeros(50, 0.0);
  EXPECT_FALSE(YuleWalkerFit(zeros, 2).ok);
  EXPECT_FALSE(BurgFit(zeros, 2).ok);
  EXPECT_FALSE(InnovationsFit(zeros, 0, 1, 10).ok);
  EXPECT_FALSE(HannanRissanenFit(zeros, 1, 1).ok);
  // Too short for the requested orders.
  const std::vector<double> shortSeries = {1.0, -2.0, 0.5, 1.5, -1.0};
  EXPECT_FALSE(BurgFit(shortSeries, 5).ok);
  EXPECT_FALSE(HannanRissanenFit(shortSeries, 2, 2).ok);
  EXPECT_FALSE(InnovationsFit(shortSeries, 2, 2, 3).ok);
  // A perfectly alternating series: the Yule-Walker matrix is nearly singular
  // but every number that comes out is finite.
  std::vector<double> alternating(40);
  for (size_t t = 0; t < alternating.size(); ++t) alternating[t] = t % 2 ? 1.0 : -1.0;
  for (int p = 1; p <= 5; ++p) {
    for (const PreliminaryFit& fit : {YuleWalkerFit(alternating, p), BurgFit(alternating, p)}) {
      if (!fit.ok) continue;
      for (double v : fit.phi) EXPECT_TRUE(std::isfinite(v));
      for (double v : fit.ratios) EXPECT_TRUE(std::isfinite(v));
      EXPECT_TRUE(std::isfinite(fit.methodWnVariance));
    }
  }
}

}  // namespace
}  // namespace kora
