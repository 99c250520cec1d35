#include "forecast/arar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "forecast/arar_report.h"

namespace kora {
namespace {

std::vector<double> Noise(int n, unsigned seed) {
  std::mt19937 engine(seed);
  std::normal_distribution<double> normal(0.0, 1.0);
  std::vector<double> e(static_cast<size_t>(n));
  for (double& v : e) v = normal(engine);
  return e;
}

// X(t) = sum phi_i X(t - lag_i) + Z(t) + mean, after a burn-in.
std::vector<double> SubsetAr(int n, const std::array<int, 4>& lags, const std::array<double, 4>& phi,
                             double mean, unsigned seed) {
  const int burn = 500;
  const std::vector<double> z = Noise(n + burn, seed);
  std::vector<double> x(z.size(), 0.0);
  for (size_t t = 0; t < x.size(); ++t) {
    x[t] = z[t];
    for (int i = 0; i < 4; ++i)
      if (t >= static_cast<size_t>(lags[i])) x[t] += phi[i] * x[t - lags[i]];
  }
  std::vector<double> out(x.begin() + burn, x.end());
  for (double& v : out) v += mean;
  return out;
}

ArarSettings Fitted(const std::vector<double>& y, int method, bool shortening) {
  ArarSettings s;
  s.ararMethod = method;
  s.ararNoShortening = !shortening;
  MemoryShortening(s, y);
  SubsetArFit(s, y);
  return s;
}

TEST(Arar, SubsetSearchFindsTheGeneratingLags) {
  const std::array<double, 4> phi{0.3, 0.2, -0.2, 0.25};
  const std::vector<double> y = SubsetAr(20000, {1, 3, 7, 12}, phi, 5.0, 11);
  for (int method : {kArarMinVariance13, kArarMinVariance26}) {
    const ArarSettings s = Fitted(y, method, false);
    EXPECT_EQ(s.subsetLag, (std::array<int, 4>{1, 3, 7, 12})) << method;
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(s.subsetCoef[i], phi[i], 0.03) << method << " " << i;
    EXPECT_NEAR(s.ararRmse, 1.0, 0.03);
    EXPECT_NEAR(s.ararMean, 5.0, 0.1);
    EXPECT_EQ(s.whitenCoef.size(), method == kArarMinVariance26 ? 27u : 14u);
  }
  const ArarSettings likelihood =
      Fitted(std::vector<double>(y.begin(), y.begin() + 4000), kArarMaxLikelihood13, false);
  EXPECT_EQ(likelihood.subsetLag, (std::array<int, 4>{1, 3, 7, 12}));
  // Beyond lag 13 only the second method can see the lag.
  const std::vector<double> far = SubsetAr(20000, {1, 2, 5, 20}, {0.3, -0.2, 0.2, 0.3}, 0.0, 12);
  EXPECT_EQ(Fitted(far, kArarMinVariance26, false).subsetLag, (std::array<int, 4>{1, 2, 5, 20}));
  EXPECT_LT(Fitted(far, kArarMinVariance13, false).subsetLag[3], 14);
}

TEST(Arar, ForecastsFollowTheFittedModel) {
  const std::vector<double> y = SubsetAr(400, {1, 2, 4, 9}, {0.4, 0.2, -0.2, 0.2}, 10.0, 5);
  const ArarSettings s = Fitted(y, kArarMinVariance13, false);
  ASSERT_EQ(s.shortDegree, 0);
  const int n = static_cast<int>(y.size());
  // Without shortening xi is phi(B): F(h) = c + sum phi_i V(N + h - l_i).
  double phiSum = 0.0;
  for (double c : s.subsetCoef) phiSum += c;
  const double constant = s.ararMean * (1.0 - phiSum);
  const std::vector<double> f = ArarPredict(s, y, 12);
  std::vector<double> v = y;
  v.insert(v.end(), f.begin(), f.end());
  for (int h = 1; h <= 12; ++h) {
    double expected = constant;
    for (int i = 0; i < 4; ++i) expected += s.subsetCoef[i] * v[n + h - 1 - s.subsetLag[i]];
    EXPECT_NEAR(f[h - 1], expected, 1e-10) << h;
  }
  // Far ahead the forecasts settle at the mean.
  EXPECT_NEAR(ArarPredict(s, y, 300).back(), s.ararMean, 1e-6);
}

TEST(Arar, MemoryShorteningOfRandomWalks) {
  // A random walk: phi(1) close to 1, lag 1 chosen; the number of filters
  // depends on N (1 below 35, 2 below 50).
  const std::vector<double> z = Noise(400, 3);
  std::vector<double> walk(z.size());
  double level = 100.0;
  for (size_t t = 0; t < z.size(); ++t) walk[t] = level += z[t];
  ArarSettings s;
  MemoryShortening(s, walk);
  ASSERT_GE(s.shortDegree, 1);
  EXPECT_EQ(s.shortCoef.size(), static_cast<size_t>(s.shortDegree) + 1);
  EXPECT_EQ(s.shortCoef[0], 1.0);
  EXPECT_NEAR(s.shortCoef[1], -1.0, 0.1);
  // Applying psi leaves close to white noise: the filtered walk's lag-one
  // correlation is small.
  std::vector<double> w;
  for (size_t t = s.shortDegree; t < walk.size(); ++t) {
    double v = 0.0;
    for (int j = 0; j <= s.shortDegree; ++j) v += s.shortCoef[j] * walk[t - j];
    w.push_back(v);
  }
  double mean = 0.0;
  for (double v : w) mean += v / w.size();
  double c0 = 0.0, c1 = 0.0;
  for (size_t t = 0; t < w.size(); ++t) {
    c0 += (w[t] - mean) * (w[t] - mean);
    if (t) c1 += (w[t] - mean) * (w[t - 1] - mean);
  }
  EXPECT_LT(std::abs(c1 / c0), 0.3);

  // A strongly trending series needs more than one filter when N allows it.
  std::vector<double> trend(60);
  for (int t = 0; t < 60; ++t) trend[t] = 0.05 * t * t + z[t];
  for (int n : {34, 40, 60}) {
    ArarSettings limited;
    MemoryShortening(limited, std::vector<double>(trend.begin(), trend.begin() + n));
    const int factors = n < 35 ? 1 : (n < 50 ? 2 : 3);
    EXPECT_LE(limited.shortDegree, 15 * factors) << n;
    EXPECT_GE(limited.shortDegree, 1) << n;
  }
  ArarSettings off;
  off.ararNoShortening = true;
  MemoryShortening(off, walk);
  EXPECT_EQ(off.shortDegree, 0);
}

TEST(Arar, WhiteNoiseReportAndWhiteningFilter) {
  ArarSettings s;
  s.ararFirst = 1;
  s.ararLast = 200;
  const std::vector<double> y = Noise(200, 9);
  ArarRun(s, y, 3);
  EXPECT_EQ(s.shortDegree, 0);
  const std::string text = ArarReportText(s, "ARAR Forecast: noise", 0);
  EXPECT_NE(text.find("\r\nMemory shortening not required.\r\n"), std::string::npos);
  EXPECT_NE(text.find("INFO: ARAR Forecast: noise\r\n\r\n====================\r\nKORA::(ARAR Forecast)\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("Time points used in forecast: ( 1 - 200 )"), std::string::npos);
  EXPECT_NE(text.find("  LAGS:     1     "), std::string::npos);
  EXPECT_NE(text.find("\r\n            201"), std::string::npos);

  // With a shortening filter, xi is the product phi(B) psi(B).
  std::vector<double> walk(300);
  double level = 0.0;
  const std::vector<double> z = Noise(300, 4);
  for (int t = 0; t < 300; ++t) walk[t] = level += z[t];
  ArarSettings w;
  w.ararFirst = 1;
  w.ararLast = 300;
  ArarRun(w, walk, 5);
  ASSERT_GT(w.shortDegree, 0);
  std::vector<double> phiPoly(w.whitenCoef.size() - w.shortDegree, 0.0);
  phiPoly[0] = 1.0;
  for (int i = 0; i < 4; ++i) phiPoly[w.subsetLag[i]] -= w.subsetCoef[i];
  for (size_t k = 0; k < w.whitenCoef.size(); ++k) {
    double product = 0.0;
    for (int j = 0; j <= w.shortDegree; ++j)
      if (k >= static_cast<size_t>(j) && k - j < phiPoly.size()) product += phiPoly[k - j] * w.shortCoef[j];
    EXPECT_NEAR(w.whitenCoef[k], product, 1e-12) << k;
  }
  const std::string shortened = ArarReportText(w, "t", 0);
  EXPECT_NE(
      shortened.find(
          "Memory Shortening:\r\n Coeff of B**j in memory shortening poly, j=0,1,...\r\n            1.0000"),
      std::string::npos);
  for (double f : std::vector<double>(w.ararForecast.begin() + 300, w.ararForecast.end()))
    EXPECT_TRUE(std::isfinite(f));
}

TEST(Arar, ShortAndConstantSeriesStayFinite) {
  // Thirty values of a constant and of a steep line: nothing divides by zero.
  for (const std::vector<double>& y : {std::vector<double>(30, 4.0), [] {
                                         std::vector<double> line(30);
                                         for (int t = 0; t < 30; ++t) line[t] = 3.0 * t;
                                         return line;
                                       }()}) {
    ArarSettings s;
    s.ararFirst = 1;
    s.ararLast = 30;
    ArarRun(s, y, 4);
    EXPECT_TRUE(std::isfinite(s.ararRmse));
    for (double v : s.ararForecast) EXPECT_TRUE(std::isfinite(v));
  }
}

}  // namespace
}  // namespace kora
