#include "stats/randomness.h"

#include <gtest/gtest.h>

#include <cmath>

#include "arma/likelihood.h"
#include "reference_data.h"
#include "stats/residuals.h"

namespace kora {
namespace {

using testing::MeanCorrected;
using testing::ModelOf;
using testing::ReadReferenceFile;
using testing::ReadDataFile;

void ExpectMatchesReference(const std::vector<double>& e, const nlohmann::json& ref, double tolerance) {
  const RandomnessStats s = RandomnessTestStats(e, ref["h"]);
  EXPECT_NEAR(s.ljungBox, ref["ljung_box"]["Q"].get<double>(), tolerance * s.ljungBox);
  EXPECT_NEAR(s.mcLeodLi, ref["mcleod_li"]["Q"].get<double>(), tolerance * s.mcLeodLi);
  EXPECT_EQ(s.turningPoints, ref["turning_points"]["T"].get<int>());
  EXPECT_NEAR(s.turningMean, ref["turning_points"]["mean"].get<double>(), 1e-12);
  EXPECT_NEAR(s.turningSd, ref["turning_points"]["sd"].get<double>(), 1e-12);
  EXPECT_EQ(s.differenceSigns, ref["difference_sign"]["S"].get<int>());
  EXPECT_NEAR(s.differenceMean, ref["difference_sign"]["mean"].get<double>(), 1e-12);
  EXPECT_NEAR(s.differenceSd, ref["difference_sign"]["sd"].get<double>(), 1e-12);
  EXPECT_EQ(s.rankPoints, ref["rank"]["P"].get<std::int64_t>());
  EXPECT_NEAR(s.rankMean, ref["rank"]["mean"].get<double>(), 1e-9);
  EXPECT_NEAR(s.rankSd, ref["rank"]["sd"].get<double>(), 1e-9);
}

TEST(RandomnessTests, ReferenceResidualsOfTheNileFit) {
  const auto ref = ReadReferenceFile("residual_tests.json");
  ExpectMatchesReference(ref["residuals"].get<std::vector<double>>(), ref, 1e-10);
}

TEST(RandomnessTests, OurResidualsOfTheNileFit) {
  const auto ref = ReadReferenceFile("residual_tests.json");
  ArmaModel model = ModelOf(ref["phi"].get<std::vector<double>>(), ref["theta"].get<std::vector<double>>());
  model.innovTolerance = 1e-10;
  model.storeResiduals = true;
  const LikelihoodOutcome out = ArmaLikelihood(MeanCorrected(ReadDataFile("nile.txt")), model, kMaximumLikelihood);
  ASSERT_EQ(out.status, 0);
  const auto expected = ref["residuals"].get<std::vector<double>>();
  ASSERT_EQ(out.residuals.size(), expected.size());
  for (size_t t = 0; t < expected.size(); ++t) EXPECT_NEAR(out.residuals[t], expected[t], 1e-7);
  EXPECT_NEAR(model.whiteNoiseVariance, ref["residual_ss_over_n"].get<double>(),
              1e-9 * model.whiteNoiseVariance);
  ExpectMatchesReference(out.residuals, ref, 1e-7);
}

TEST(RandomnessTests, TiesSmallSamplesAndCounts) {
  // Ties: equal neighbours give no turning point and no difference sign; equal pairs no rank point.
  const std::vector<double> e = {1, 1, 2, 2, 1, 3, 3};
  const RandomnessStats s = RandomnessTestStats(e, 3);
  EXPECT_EQ(s.turningPoints, 1);  // 1 < 3 ... only e(5) = 1 between 2 and 3
  EXPECT_EQ(s.differenceSigns, 2);
  int pairs = 0;
  for (size_t i = 0; i < e.size(); ++i)
    for (size_t j = i + 1; j < e.size(); ++j) pairs += e[i] < e[j];
  EXPECT_EQ(s.rankPoints, pairs);
  // h as large as n: the lag-n term has no denominator and adds nothing.
  const std::vector<double> short5 = {0.3, -1.2, 0.8, 0.1, -0.4};
  const RandomnessStats t = RandomnessTestStats(short5, 5);
  EXPECT_TRUE(std::isfinite(t.ljungBox));
  EXPECT_TRUE(std::isfinite(t.mcLeodLi));
  // A constant residual series: every statistic finite, order 0.
  const RandomnessStats c = RandomnessTestStats(std::vector<double>(30, 0.0), 10);
  EXPECT_EQ(c.ljungBox, 0.0);
  EXPECT_EQ(c.mcLeodLi, 0.0);
  EXPECT_EQ(c.minAiccOrder, 0);
  EXPECT_EQ(AutomaticH(0, 100), 20);
  EXPECT_EQ(AutomaticH(0, 15), 14);
  EXPECT_EQ(AutomaticH(2, 100), 22);
}

TEST(RandomnessTests, MinimumAiccOrderFindsAnAutoregression) {
  // An AR(2) sequence: the minimum-AICC order is 2; the search stops at 26 whatever h is.
  std::vector<double> x(400, 0.0);
  unsigned state = 12345;
  auto noise = [&] {
    state = state * 1103515245u + 12345u;
    return ((state >> 8) & 0xFFFF) / 65536.0 - 0.5;
  };
  for (size_t t = 2; t < x.size(); ++t) x[t] = 1.1 * x[t - 1] - 0.6 * x[t - 2] + noise();
  EXPECT_EQ(RandomnessTestStats(x, 40).minAiccOrder, 2);
  std::vector<double> rho(60, 0.0);
  rho[0] = 1.0;
  EXPECT_EQ(MinAiccYuleWalkerOrder(x, rho, 54), 0);  // no correlation: order 0
}

TEST(RandomnessTests, ReportLines) {
  RandomnessStats s;
  s.n = 100;
  s.h = 20;
  s.ljungBox = 14.512794;
  s.mcLeodLi = 13.5729;
  s.turningPoints = 65;
  s.turningMean = 65.333333;
  s.turningSd = 4.177985;
  s.differenceSigns = 48;
  s.differenceMean = 49.5;
  s.differenceSd = 2.9011492;
  s.rankPoints = 2175;
  s.rankMean = 2475;
  s.rankSd = 167.89133;
  s.minAiccOrder = 0;
  const std::string text = RandomnessReportText(s, 2);
  EXPECT_NE(text.find("Ljung - Box statistic = 14.513 Chi-Square ( 18 )\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("McLeod - Li statistic = 13.573 Chi-Square ( 20 )\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("# of Turning points = 65 ~ AN( 65.333, sd = 4.1780 )\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Order of Min AICC YW Model for Residuals = 0\r\n"), std::string::npos) << text;
  EXPECT_EQ(
      text.find(
          "============================================\r\nKORA::Tarn(Tests of randomness on residuals)"),
      0u);
}

TEST(Residuals, FractionalResidualsByDurbinLevinson) {
  // With the autocorrelations of an AR(1) the recursion gives the AR(1) innovations.
  const double phi = 0.6, gamma0 = 1 / (1 - 0.36);
  std::vector<double> rho(6);
  for (int h = 0; h < 6; ++h) rho[h] = std::pow(phi, h);
  const std::vector<double> x = {1.0, 0.2, -0.5, 0.7, 0.1, -0.3};
  const std::vector<double> w = DurbinLevinsonResiduals(x, rho, gamma0);
  EXPECT_NEAR(w[0], x[0] / std::sqrt(gamma0), 1e-12);
  for (int t = 1; t < 6; ++t) EXPECT_NEAR(w[t], x[t] - phi * x[t - 1], 1e-12);
}

}  // namespace
}  // namespace kora
