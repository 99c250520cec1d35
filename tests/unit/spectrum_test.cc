#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

#include "stats/daniell.h"
#include "stats/fisher_test.h"
#include "stats/periodogram.h"
#include "stats/spectrum_model.h"
#include "stats/spectrum_reports.h"
#include "reference_data.h"

namespace kora {
namespace {

using testing::ReadDataFile;

nlohmann::json SpectrumReference() {
  std::ifstream in(std::string(KORA_REFERENCE_DIR) + "/spectrum.json");
  return nlohmann::json::parse(in);
}

// The periodogram by its defining sum, for lengths the reference file does not cover.
std::vector<double> DirectPeriodogram(const std::vector<double>& x) {
  const int n = static_cast<int>(x.size());
  double mean = 0.0;
  for (double v : x) mean += v / n;
  std::vector<double> I;
  for (int k = 1; k <= n / 2; ++k) {
    std::complex<double> sum = 0.0;
    for (int t = 1; t <= n; ++t)
      sum += (x[t - 1] - mean) * std::polar(1.0, -2.0 * std::numbers::pi * ((static_cast<long>(t) * k) % n) / n);
    I.push_back(std::norm(sum) / (2.0 * std::numbers::pi * n));
  }
  return I;
}

TEST(SpectrumPeriodogram, MatchesReferenceForEvenAndPrimeLengths) {
  const auto reference = SpectrumReference();
  std::vector<double> sunspots = ReadDataFile("sunspots_yearly.txt");
  sunspots.resize(283);
  const std::vector<std::pair<std::string, std::vector<double>>> series = {
      {"nile", ReadDataFile("nile.txt")}, {"sunspots_yearly_first283", sunspots}};
  for (const auto& [key, x] : series) {
    const auto& ref = reference[key];
    const std::vector<double> I = Periodogram(x);
    ASSERT_EQ(static_cast<int>(I.size()), ref["m"].get<int>()) << key;
    for (size_t k = 0; k < I.size(); ++k)
      EXPECT_NEAR(I[k], ref["I"][k].get<double>(), 1e-9 * ref["I"][k].get<double>() + 1e-9) << key << " k=" << k + 1;
    const FisherResult fisher = FisherTest(I, static_cast<int>(x.size()));
    EXPECT_NEAR(fisher.ratio, ref["fisher"]["g"].get<double>(), 1e-9) << key;
    EXPECT_NEAR(fisher.probability, ref["fisher"]["P"].get<double>(), 1e-6 * ref["fisher"]["P"].get<double>())
        << key;
  }
}

TEST(SpectrumPeriodogram, ShortOddAndConstantSeries) {
  EXPECT_TRUE(Periodogram({5.0}).empty());
  for (const std::vector<double>& x : {std::vector<double>{1, 4}, std::vector<double>{1, 4, 2},
                                       std::vector<double>{3, 1, 4, 1, 5, 9, 2}}) {
    const std::vector<double> I = Periodogram(x), direct = DirectPeriodogram(x);
    ASSERT_EQ(I.size(), direct.size());
    for (size_t k = 0; k < I.size(); ++k) EXPECT_NEAR(I[k], direct[k], 1e-12);
  }
  // n = 2 has no ordinate for Fisher's test, a constant series no power: no NaN either way.
  const FisherResult two = FisherTest(Periodogram({1, 4}), 2);
  EXPECT_EQ(two.ratio, 0.0);
  EXPECT_EQ(two.probability, 1.0);
  const FisherResult flat = FisherTest(Periodogram(std::vector<double>(50, 7.0)), 50);
  EXPECT_FALSE(std::isnan(flat.ratio) || std::isnan(flat.probability));
  // q = 1: g = 1 and P = 1; all the power at one frequency: g = q and P = 0.
  EXPECT_DOUBLE_EQ(FisherTest(Periodogram({1, 4, 2}), 3).probability, 1.0);
  std::vector<double> single(21, 0.0);
  single[4] = 3.0;
  const FisherResult peak = FisherTest(single, 43);
  EXPECT_DOUBLE_EQ(peak.ratio, 21.0);
  EXPECT_NEAR(peak.probability, 0.0, 1e-15);
}

TEST(SpectrumPeriodogram, LengthsWithALargePrimeFactor) {
  // 1009 is prime and 2 * 1013 has a large factor: these go through the chirp transform.
  for (int n : {1009, 2026}) {
    std::vector<double> x(n);
    for (int t = 0; t < n; ++t) x[t] = std::cos(0.37 * t) + 0.001 * ((t * 7919) % 113);
    const std::vector<double> I = Periodogram(x), direct = DirectPeriodogram(x);
    ASSERT_EQ(I.size(), direct.size());
    for (size_t k = 0; k < I.size(); ++k) EXPECT_NEAR(I[k], direct[k], 1e-9 * (1 + direct[k])) << n << " " << k;
  }
}

TEST(SpectrumDaniell, WeightsOfCascadedFilters) {
  const std::vector<double> w = DaniellWeights({1, 1});
  ASSERT_EQ(w.size(), 3u);
  EXPECT_NEAR(w[0], 3.0 / 9, 1e-15);
  EXPECT_NEAR(w[1], 2.0 / 9, 1e-15);
  EXPECT_NEAR(w[2], 1.0 / 9, 1e-15);
  EXPECT_NEAR(WeightSumOfSquares(w), 19.0 / 81, 1e-15);
  EXPECT_EQ(DaniellWeights({0, 0}), std::vector<double>{1.0});
  const std::vector<double> wide = DaniellWeights({3, 0, 5, 2});
  ASSERT_EQ(wide.size(), 11u);
  double total = wide[0];
  for (size_t j = 1; j < wide.size(); ++j) total += 2 * wide[j];
  EXPECT_NEAR(total, 1.0, 1e-14);
  EXPECT_TRUE(std::is_sorted(wide.rbegin(), wide.rend()));
}

// The smoothing formula written out with the reflections, for h < m.
std::vector<double> FormulaSmooth(const std::vector<double>& I, const std::vector<double>& W, int n) {
  const int m = static_cast<int>(I.size()), h = static_cast<int>(W.size()) - 1;
  auto at = [&](int k) { return I[k - 1]; };
  std::vector<double> S(m + 1);
  S[0] = W[0] * at(1);
  for (int j = 1; j <= h; ++j) S[0] += 2 * W[j] * at(j + 1);
  for (int k = 1; k <= m; ++k) {
    S[k] = W[0] * at(k);
    for (int j = 1; j <= h; ++j) {
      const double left = k - j == 0 ? S[0] : k - j < 0 ? at(j - k) : at(k - j);
      const double right = k + j <= m ? at(k + j) : n % 2 == 0 ? at(2 * m - k - j) : at(2 * m + 1 - k - j);
      S[k] += W[j] * (left + right);
    }
  }
  return S;
}

TEST(SpectrumDaniell, SmoothingFollowsTheReflectionFormula) {
  std::vector<double> sunspots = ReadDataFile("sunspots_yearly.txt");
  for (int n : {100, 101}) {
    const std::vector<double> x(sunspots.begin(), sunspots.begin() + n);
    const std::vector<double> I = Periodogram(x), W = DaniellWeights({2, 3});
    const std::vector<double> S = SmoothPeriodogram(I, W, n), want = FormulaSmooth(I, W, n);
    ASSERT_EQ(S.size(), want.size());
    for (size_t k = 0; k < S.size(); ++k) EXPECT_NEAR(S[k], want[k], 1e-9 * want[k]) << "n=" << n << " k=" << k;
  }
}

TEST(SpectrumDaniell, HalfWidthBeyondTheFrequencyCountStaysFinite) {
  const std::vector<double> nile = ReadDataFile("nile.txt");
  const std::vector<double> I = Periodogram(nile);
  // h = 60 > m = 50 smooths over the reflections; h = 30000 goes through the transform.
  for (const std::vector<int>& orders : {std::vector<int>{30, 30}, std::vector<int>{100, 100, 100, 100, 100}}) {
    const std::vector<double> W = DaniellWeights(orders);
    const std::vector<double> S = SmoothPeriodogram(I, W, 100);
    ASSERT_EQ(S.size(), 51u);
    for (double s : S) EXPECT_TRUE(std::isfinite(s) && s >= -1e-6);
  }
  // The transform path agrees with the direct sums: a long series and a wide filter.
  std::vector<double> x(1000);
  for (int t = 0; t < 1000; ++t) x[t] = std::sin(0.3 * t) + 0.01 * ((t * 7919) % 101);
  const std::vector<double> Ix = Periodogram(x), W = DaniellWeights({20000, 20000});
  const std::vector<double> S = SmoothPeriodogram(Ix, W, 1000);
  // Every ordinate sees the whole folded filter: with weights this wide the
  // result is close to the mean ordinate over a full period.
  double mean = 0.0;
  for (int k = 1; k < 1000; ++k) mean += Ix[std::min(k, 1000 - k) - 1];
  mean /= 1000;
  for (size_t k = 1; k < S.size(); ++k) EXPECT_NEAR(S[k], mean, 0.05 * mean);
}

TEST(SpectrumModel, WhiteNoiseSingularityAndFractionalModels) {
  ArmaModel model;
  model.whiteNoiseVariance = 2.0;
  ModelSpectrumResult white = ModelSpectrum(model, 16);
  ASSERT_EQ(white.density.size(), 17u);
  for (double f : white.density) EXPECT_NEAR(f, 2.0 / (2 * std::numbers::pi), 1e-12);
  // MA(1): f(w) = sigma2/(2 pi) (1 + theta^2 + 2 theta cos w).
  model.maOrder = 1;
  model.theta[0] = 0.5;
  const ModelSpectrumResult ma = ModelSpectrum(model, 1024);
  for (int j : {0, 100, 1024}) {
    const double w = j * 3.14159265359 / 1025;
    EXPECT_NEAR(ma.density[j], 2.0 / (2 * std::numbers::pi) * (1.25 + std::cos(w)), 1e-12);
  }
  // A unit root at frequency 0.
  model.maOrder = 0;
  model.arOrder = 1;
  model.phi[0] = 1.0;
  const ModelSpectrumResult unit = ModelSpectrum(model, 8);
  EXPECT_EQ(unit.singularities, 1);
  EXPECT_EQ(unit.density[0], 2000000.0);
  EXPECT_TRUE(std::isfinite(unit.density[1]));
  // Fractional noise: f(0) is 0 for d < 0, every other point scaled by |1 - z|^(-2d).
  model.arOrder = 0;
  model.fractional = true;
  model.fractionalD = -0.3;
  const ModelSpectrumResult fractional = ModelSpectrum(model, 8);
  EXPECT_EQ(fractional.density[0], 0.0);
  const double w = 3 * 3.14159265359 / 9;
  EXPECT_NEAR(fractional.density[3], 2.0 / (2 * std::numbers::pi) * std::pow(2 - 2 * std::cos(w), 0.3), 1e-12);
}

TEST(SpectrumReport, SmoothingAndFisherLines) {
  UnivariateProject project;
  project.periodogram.assign(50, 1.0);
  project.fisherRatio = 13.033989957933445;
  project.fisherProbability = 1.7523173948396643e-05;
  project.showSmoothed = true;
  project.daniellWeights = DaniellWeights({1, 1});
  const std::string text = SpectrumReportText(project);
  EXPECT_EQ(text,
            "===============\r\nKORA::Tarn(SPECTRUM)\r\n===============\r\n  \r\n"
            "Number of frequencies in periodogram = 50\r\n  \r\n"
            "Smoothing coefficients:\r\nW[0] = 0.33333\r\nW[1] = 0.22222\r\nW[2] = 0.11111\r\n \r\n"
            "Smooth coefficient sum of squares = 0.23457\r\n  \r\n"
            "Fisher's test:\r\nRatio of maximum periodogram ordinate to average = 13.034\r\n"
            "Probability (under H0) of seeing this or larger = 0.000017523\r\n  \r\n");
  project.showSmoothed = false;
  EXPECT_NE(SpectrumReportText(project).find("No smoothing done.\r\n"), std::string::npos);
}

}  // namespace
}  // namespace kora
