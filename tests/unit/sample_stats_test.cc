#include "stats/sample_stats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "reference_data.h"

namespace kora {
namespace {

constexpr double kRelative = 1e-9;

// phi(k,k) as the last coefficient of the Yule-Walker system of order k,
// solved by Gaussian elimination: an independent route to the PACF.
double YuleWalkerLastCoefficient(const std::vector<double>& rho, int k) {
  std::vector<std::vector<double>> a(k, std::vector<double>(k + 1));
  for (int i = 0; i < k; ++i) {
    for (int j = 0; j < k; ++j) a[i][j] = rho[std::abs(i - j)];
    a[i][k] = rho[i + 1];
  }
  for (int c = 0; c < k; ++c) {
    for (int r = c + 1; r < k; ++r) {
      const double f = a[r][c] / a[c][c];
      for (int j = c; j <= k; ++j) a[r][j] -= f * a[c][j];
    }
  }
  std::vector<double> phi(k);
  for (int r = k - 1; r >= 0; --r) {
    double sum = a[r][k];
    for (int j = r + 1; j < k; ++j) sum -= a[r][j] * phi[j];
    phi[r] = sum / a[r][r];
  }
  return phi[k - 1];
}

TEST(SampleStats, AgreesWithReferenceSeries) {
  const nlohmann::json reference = testing::ReadReferenceFile("stats.json");
  for (const auto& [key, ref] : reference["series"].items()) {
    SCOPED_TRACE(key);
    const std::vector<double> x = testing::ReferenceSeries(key);
    ASSERT_EQ(static_cast<int>(x.size()), ref["n"].get<int>());

    const SampleSummary summary = Summarize(x);
    EXPECT_EQ(summary.n, ref["n"].get<int>());
    const double mean = ref["mean"], variance = ref["variance"], se = ref["se_mean"];
    EXPECT_NEAR(summary.mean, mean, kRelative * std::abs(mean));
    EXPECT_NEAR(summary.variance, variance, kRelative * variance);
    EXPECT_NEAR(summary.standardError, se, kRelative * se);

    const std::vector<double> acvf = ref["acvf"], acf = ref["acf"], pacf = ref["pacf"];
    const int maxLag = static_cast<int>(acf.size()) - 1;
    const std::vector<double> gamma = SampleAutocovariances(x, maxLag);
    int lags = maxLag;
    const AcfPacf sample = SampleAcfPacf(x, lags);
    EXPECT_EQ(lags, maxLag);
    ASSERT_EQ(sample.acf.size(), acf.size());
    ASSERT_EQ(sample.pacf.size(), pacf.size());
    EXPECT_NEAR(sample.gamma0, acvf[0], kRelative * acvf[0]);
    for (int h = 0; h <= maxLag; ++h) {
      EXPECT_NEAR(gamma[h], acvf[h], kRelative * acvf[0]) << "lag " << h;
      EXPECT_NEAR(sample.acf[h], acf[h], kRelative) << "lag " << h;
      EXPECT_NEAR(sample.pacf[h], pacf[h], kRelative) << "lag " << h;
    }
  }
}

// Long series take the Fourier transform for their autocovariances; the
// numbers are those of the direct sums of the definition, to rounding.
TEST(SampleStats, LongSeriesGiveTheNumbersOfTheDirectSums) {
  const int n = 20000;
  std::vector<double> x(n);
  double previous = 0;
  unsigned state = 12345;
  for (double& v : x) {
    state = state * 1103515245u + 12345u;
    v = previous = 0.6 * previous + (static_cast<double>(state >> 8) / (1u << 24) - 0.5) + 1e6;
  }
  double mean = 0;
  for (double v : x) mean += v;
  mean /= n;
  auto direct = [&](int h) {
    double sum = 0;
    for (int t = 0; t + h < n; ++t) sum += (x[t + h] - mean) * (x[t] - mean);
    return sum / n;
  };
  const int r = 141;  // the integer square root of n
  double factor = 1;
  for (int k = 1; k < r; ++k) factor += 2 * (1 - static_cast<double>(k) / r) * direct(k) / direct(0);
  const SampleSummary summary = Summarize(x);
  EXPECT_NEAR(summary.variance, direct(0), 1e-12 * direct(0));
  EXPECT_NEAR(summary.standardError, std::sqrt(direct(0) / n * factor), 1e-10 * summary.standardError);

  const std::vector<double> gamma = SampleAutocovariances(x, 5000);
  for (int h : {0, 1, 2, 17, 999, 4999, 5000}) EXPECT_NEAR(gamma[h], direct(h), 1e-12 * direct(0)) << "lag " << h;
  const std::vector<double> beyond = SampleAutocovariances(x, n + 5);
  EXPECT_NEAR(beyond[n - 1], direct(n - 1), 1e-12 * direct(0));
  for (int h = n; h <= n + 5; ++h) EXPECT_EQ(beyond[h], 0.0);
}

TEST(SampleStats, StandardErrorOfShortSeries) {
  // n = 1: nothing varies.
  const SampleSummary one = Summarize({5});
  EXPECT_EQ(one.mean, 5);
  EXPECT_EQ(one.variance, 0);
  EXPECT_EQ(one.standardError, 0);
  // n = 2 and 3: r = 1, so no lag contributes and se = sqrt(variance / n).
  const SampleSummary two = Summarize({1, 3});
  EXPECT_DOUBLE_EQ(two.variance, 1.0);
  EXPECT_DOUBLE_EQ(two.standardError, std::sqrt(0.5));
  const SampleSummary three = Summarize({1, 2, 6});
  EXPECT_DOUBLE_EQ(three.variance, 14.0 / 3);
  EXPECT_DOUBLE_EQ(three.standardError, std::sqrt(14.0 / 9));
  // n = 4: r = 2; deviations -2 -1 0 3 give rho(1) = 1/7 with weight 1/2,
  // while lag 2 (acvf -3/4) has weight 0: se = sqrt(3.5/4 * 8/7) = 1.
  const SampleSummary four = Summarize({1, 2, 3, 6});
  EXPECT_DOUBLE_EQ(four.variance, 3.5);
  EXPECT_DOUBLE_EQ(four.standardError, 1.0);
  EXPECT_EQ(Summarize({}).n, 0);
}

TEST(SampleStats, LagsBeyondSeriesLength) {
  const std::vector<double> x = {1, 2, 6};
  int lags = 6;
  const AcfPacf result = SampleAcfPacf(x, lags);
  ASSERT_EQ(result.acf.size(), 7u);
  // Deviations -2 -1 3: gamma = 14/3, -1/3, -2, then 0 from lag n on.
  EXPECT_DOUBLE_EQ(result.gamma0, 14.0 / 3);
  EXPECT_DOUBLE_EQ(result.acf[0], 1.0);
  EXPECT_DOUBLE_EQ(result.acf[1], -1.0 / 14);
  EXPECT_DOUBLE_EQ(result.acf[2], -3.0 / 7);
  for (int h = 3; h <= 6; ++h) EXPECT_EQ(result.acf[h], 0.0);
  // The partial autocorrelations go on through the zero lags.
  EXPECT_EQ(result.pacf[0], 1.0);
  for (int k = 1; k <= 6; ++k) EXPECT_NEAR(result.pacf[k], YuleWalkerLastCoefficient(result.acf, k), 1e-12);
  EXPECT_NE(result.pacf[4], 0.0);
}

TEST(SampleStats, DefaultLagsAndDegenerateSeries) {
  int lags = 0;
  const AcfPacf defaulted = SampleAcfPacf({1, 4, 2, 8, 5}, lags);
  EXPECT_EQ(lags, 40);
  EXPECT_EQ(defaulted.acf.size(), 41u);
  EXPECT_EQ(defaulted.pacf.size(), 41u);

  // A constant series: exact mean, zero variance, zero correlations, no NaN.
  const std::vector<double> constant(7, 0.1);
  const SampleSummary summary = Summarize(constant);
  EXPECT_EQ(summary.mean, 0.1);
  EXPECT_EQ(summary.variance, 0.0);
  EXPECT_EQ(summary.standardError, 0.0);
  lags = 4;
  const AcfPacf flat = SampleAcfPacf(constant, lags);
  EXPECT_EQ(flat.gamma0, 0.0);
  EXPECT_EQ(flat.acf, std::vector<double>({1, 0, 0, 0, 0}));
  EXPECT_EQ(flat.pacf, std::vector<double>({1, 0, 0, 0, 0}));

  lags = -3;
  const AcfPacf empty = SampleAcfPacf({}, lags);
  EXPECT_EQ(lags, 40);
  EXPECT_EQ(empty.acf[0], 1.0);
  EXPECT_EQ(empty.acf[1], 0.0);

  // A perfectly predictable sequence: the recursion stops with zeros.
  EXPECT_EQ(PartialAutocorrelations({1, 1, 1, 1}), std::vector<double>({1, 1, 0, 0}));
}

}  // namespace
}  // namespace kora
