#include "forecast/holt_winters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace kora {
namespace {

std::vector<double> ReadSeries(const std::string& name) {
  std::ifstream in(std::string(KORA_EXAMPLES_DIR) + "/" + name + ".txt");
  std::vector<double> values;
  for (double v; in >> v;) values.push_back(v);
  return values;
}

nlohmann::json Reference() {
  std::ifstream in(std::string(KORA_REFERENCE_DIR) + "/holt_winters.json");
  return nlohmann::json::parse(in);
}

// The reference starts the recursions as we do (level and trend at time 2, or
// at d + 1 with the seasonal start of the first period), so every fitted
// value, the RMSE and the forecasts are comparable.
void ExpectMatches(const nlohmann::json& ref, int period, const HoltWintersCoefficients& c) {
  const std::vector<double> y = ReadSeries(ref["series"]);
  ASSERT_EQ(static_cast<int>(y.size()), ref["N"].get<int>());
  const std::vector<double> fitted = ref["fitted"];
  const std::vector<double> forecasts = ref["forecasts"];
  const HoltWintersPass pass = HoltWintersRecursions(y, period, c, static_cast<int>(forecasts.size()));
  const int skip = static_cast<int>(y.size() - fitted.size());
  ASSERT_EQ(skip, period == 0 ? 2 : period + 1);
  for (size_t i = 0; i < fitted.size(); ++i)
    EXPECT_NEAR(pass.predicted[skip + i], fitted[i], 1e-10 * std::max(1.0, std::abs(fitted[i]))) << i;
  EXPECT_NEAR(std::sqrt(pass.criterion), ref["rmse"].get<double>(), 1e-10);
  for (size_t h = 0; h < forecasts.size(); ++h) EXPECT_NEAR(pass.forecasts[h], forecasts[h], 1e-9) << h;
  EXPECT_DOUBLE_EQ(HoltWintersCriterion(y, period, c), pass.criterion);
}

TEST(HoltWinters, MatchesReferenceRecursions) {
  const nlohmann::json ref = Reference();
  ExpectMatches(ref["nonseasonal"], 0, {0.2, 0.2, 0.0});
  ExpectMatches(ref["seasonal"], ref["seasonal"]["period"].get<int>(), {0.2, 0.2, 0.2});
}

TEST(HoltWinters, LimitingCoefficients) {
  const std::vector<double> y = ReadSeries("nile");
  const int n = static_cast<int>(y.size());
  // alpha = beta = 0: the line through Y(1) and Y(2).
  HoltWintersPass flat = HoltWintersRecursions(y, 0, {0.0, 0.0, 0.0}, 5);
  for (int h = 1; h <= 5; ++h) EXPECT_NEAR(flat.forecasts[h - 1], y[0] + (n + h - 1) * (y[1] - y[0]), 1e-9);
  // alpha = 1, beta = 0: the last value plus the first slope.
  HoltWintersPass last = HoltWintersRecursions(y, 0, {1.0, 0.0, 0.0}, 5);
  for (int h = 1; h <= 5; ++h) EXPECT_NEAR(last.forecasts[h - 1], y[n - 1] + h * (y[1] - y[0]), 1e-9);
  // Outside [0, 1] beyond rounding the criterion rejects the point.
  EXPECT_EQ(HoltWintersCriterion(y, 0, {1.01, 0.2, 0.0}), kInadmissibleCriterion);
  EXPECT_EQ(HoltWintersCriterion(y, 12, {0.2, 0.2, -0.01}), kInadmissibleCriterion);
  EXPECT_LT(HoltWintersCriterion(y, 0, {1.0 + 1e-7, 0.2, 0.0}), kInadmissibleCriterion);
}

TEST(HoltWinters, ShortSubsetsGiveNoNaN) {
  // N = 2 and N = d + 1 leave no prediction error to average.
  HoltWintersPass two = HoltWintersRecursions({3.0, 5.0}, 0, {0.2, 0.2, 0.0}, 3);
  EXPECT_EQ(two.criterion, 0.0);
  EXPECT_DOUBLE_EQ(two.forecasts[2], 5.0 + 3 * 2.0);
  HoltWintersPass season = HoltWintersRecursions({1, 4, 2, 7}, 3, {0.2, 0.2, 0.2}, 4);
  EXPECT_EQ(season.criterion, 0.0);
  for (double f : season.forecasts) EXPECT_TRUE(std::isfinite(f));
  EXPECT_FALSE(HoltWintersSubsetFits(4, 3));
  EXPECT_TRUE(HoltWintersSubsetFits(5, 3));
  EXPECT_FALSE(HoltWintersSubsetFits(2, 0));
  EXPECT_TRUE(HoltWintersSubsetFits(3, 0));
}

// Q at the search result is no larger than one final step away along any
// coordinate, and lower than at the start.
void ExpectLocalMinimum(const std::vector<double>& y, int period) {
  const HoltWintersCoefficients start{0.2, 0.2, 0.2};
  const HoltWintersCoefficients best = HoltWintersSearch(y, period, start);
  const double q = HoltWintersCriterion(y, period, best);
  EXPECT_LT(q, HoltWintersCriterion(y, period, start));
  const double step = 0.01;
  for (double move : {-step, step}) {
    EXPECT_LE(q, HoltWintersCriterion(y, period, {best.alpha + move, best.beta, best.gamma}));
    EXPECT_LE(q, HoltWintersCriterion(y, period, {best.alpha, best.beta + move, best.gamma}));
    if (period) EXPECT_LE(q, HoltWintersCriterion(y, period, {best.alpha, best.beta, best.gamma + move}));
  }
  // The search moves on the grid of its steps around the start.
  for (double c : {best.alpha, best.beta, period ? best.gamma : 0.2})
    EXPECT_NEAR(std::remainder(c - 0.2, 0.01), 0.0, 1e-9);
}

TEST(HoltWinters, SearchEndsAtGridMinimum) {
  ExpectLocalMinimum(ReadSeries("nile"), 0);
  ExpectLocalMinimum(ReadSeries("nottingham_temperature"), 12);
}

TEST(HoltWinters, RunWritesSubsetResultsOnTimeAxis) {
  const std::vector<double> y = ReadSeries("nottingham_temperature");
  HoltWintersSettings s;
  s.hwPeriod = 12;
  s.hwFirst = 11;
  s.hwLast = 130;
  HoltWintersRun(s, y, 15);
  const std::vector<double> subset(y.begin() + 10, y.begin() + 130);
  const HoltWintersPass pass = HoltWintersRecursions(subset, 12, {0.2, 0.2, 0.2}, 15);
  ASSERT_EQ(s.hwForecast.size(), y.size());
  EXPECT_DOUBLE_EQ(s.hwForecast[130 + 14], pass.forecasts[14]);
  EXPECT_DOUBLE_EQ(s.hwForecast[129], pass.predicted.back());
  EXPECT_DOUBLE_EQ(s.hwRmse, std::sqrt(pass.criterion));
  EXPECT_EQ(s.hwForecastEnd, 145);
  // Forecasts past the end of the series lengthen the array.
  s.hwLast = 240;
  s.hwOptimize = true;
  s.hwAlpha = 3.0;  // a start outside [0, 1] is brought inside before searching
  HoltWintersRun(s, y, 12);
  EXPECT_EQ(s.hwForecast.size(), 252u);
  EXPECT_LE(s.hwAlpha, 1.0);
  EXPECT_TRUE(std::isfinite(s.hwRmse));
}

}  // namespace
}  // namespace kora
