#include "multivariate/var_estimation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "linalg/lu.h"
#include "multivariate/cross_correlation.h"
#include "multivariate/var_forecast.h"
#include "multivariate/var_simulation.h"
#include "reference_data.h"

namespace kora {
namespace {

using testing::ReadDataFile;
using testing::ReadReferenceFile;

// The two columns of eustock_returns.txt as two series.
std::vector<std::vector<double>> EustockReturns() {
  const std::vector<double> flat = ReadDataFile("eustock_returns.txt");
  std::vector<std::vector<double>> series(2);
  for (size_t i = 0; i < flat.size(); ++i) series[i % 2].push_back(flat[i]);
  return series;
}

void ExpectMatrix(const Matrix& actual, const nlohmann::json& rows, double tolerance) {
  const int m = static_cast<int>(rows.size());
  ASSERT_EQ(actual.size(), static_cast<size_t>(m * m));
  for (int i = 0; i < m; ++i)
    for (int k = 0; k < m; ++k) {
      const double expected = rows[i][k];
      EXPECT_NEAR(actual[i * m + k], expected, tolerance * std::fabs(expected)) << i << "," << k;
    }
}

// Series of a VAR(1) with coefficient a and unit innovations, from a fixed seed.
std::vector<std::vector<double>> SimulatedVar1(const Matrix& a, int m, int n, unsigned seed) {
  std::mt19937 engine(seed);
  std::normal_distribution<double> noise;
  std::vector<std::vector<double>> x(m, std::vector<double>(n, 0.0));
  for (int t = 1; t < n; ++t)
    for (int i = 0; i < m; ++i) {
      double v = noise(engine);
      for (int k = 0; k < m; ++k) v += a[i * m + k] * x[k][t - 1];
      x[i][t] = v;
    }
  return x;
}

TEST(VarEstimation, YuleWalkerMatchesRAndForecastsMatchRPredict) {
  const nlohmann::json ref = ReadReferenceFile("var.json");
  const auto series = EustockReturns();
  const MeanCorrectedData data = MeanCorrect(series);
  ASSERT_EQ(data.n, ref["n"].get<int>());
  const std::vector<Matrix> gamma = SampleCovarianceMatrices(data, 2);
  for (int h = 0; h <= 2; ++h) ExpectMatrix(gamma[h], ref["gamma_0_to_2"][h], 1e-10);
  for (int p : {1, 2}) {
    const nlohmann::json& expected = ref["VAR" + std::to_string(p)];
    const std::optional<VarFit> fit = FitVar(VarEstimator::kYuleWalker, data, p, false);
    ASSERT_TRUE(fit);
    ASSERT_EQ(fit->order, p);
    for (int j = 0; j < p; ++j) ExpectMatrix(fit->phi[j], expected["Phi"][j], 1e-8);
    ExpectMatrix(fit->v, expected["V"], 1e-8);
    const std::vector<double> phi0 = VarConstant(fit->phi, data.mu);
    for (int i = 0; i < 2; ++i)
      EXPECT_NEAR(phi0[i], expected["phi0"][i].get<double>(), 1e-8 * std::fabs(phi0[i]));
    if (p != 2) continue;
    const auto forecast = VarForecast(series, data.n, 10, fit->phi, phi0);
    for (int h = 0; h < 10; ++h)
      for (int i = 0; i < 2; ++i) {
        const double r = ref["forecast_VAR2"][h][i];
        EXPECT_NEAR(forecast[i][data.n + h], r, 1e-8 * std::fabs(r));
      }
    // The observed part is the data itself.
    EXPECT_EQ(forecast[1][data.n - 1], series[1][data.n - 1]);
  }
}

TEST(VarEstimation, WhittleRecursionSolvesTheBlockYuleWalkerEquations) {
  const int m = 3, p = 3;
  std::mt19937 engine(7);
  std::normal_distribution<double> noise;
  std::vector<std::vector<double>> x(m, std::vector<double>(200));
  for (auto& s : x)
    for (double& v : s) v = noise(engine);
  for (int t = 1; t < 200; ++t) x[1][t] += 0.6 * x[0][t - 1];  // a lagged dependence
  const MeanCorrectedData data = MeanCorrect(x);
  const std::vector<Matrix> gamma = SampleCovarianceMatrices(data, p);
  const std::optional<VarFit> fit = FitVar(VarEstimator::kYuleWalker, data, p, false);
  ASSERT_TRUE(fit);
  // Gamma(h) = sum_j Phi_j Gamma(h-j), h = 1..p, Gamma(-h) = Gamma(h)', solved
  // directly for row i of [Phi_1 .. Phi_p]: unknowns Phi_j(i, l).
  auto g = [&](int h, int r, int c) { return h >= 0 ? gamma[h][r * m + c] : gamma[-h][c * m + r]; };
  const int size = p * m;
  for (int i = 0; i < m; ++i) {
    std::vector<double> a(size * size), b(size);
    for (int h = 1; h <= p; ++h)
      for (int c = 0; c < m; ++c) {
        const int row = (h - 1) * m + c;
        b[row] = g(h, i, c);
        for (int j = 1; j <= p; ++j)
          for (int l = 0; l < m; ++l) a[row * size + (j - 1) * m + l] = g(h - j, l, c);
      }
    ASSERT_TRUE(SolveGeneral(a, size, b));
    for (int j = 1; j <= p; ++j)
      for (int l = 0; l < m; ++l) EXPECT_NEAR(fit->phi[j - 1][i * m + l], b[(j - 1) * m + l], 1e-12);
  }
  // V = Gamma(0) - sum_j Phi_j Gamma(j)'.
  for (int r = 0; r < m; ++r)
    for (int c = 0; c < m; ++c) {
      double v = g(0, r, c);
      for (int j = 1; j <= p; ++j)
        for (int l = 0; l < m; ++l) v -= fit->phi[j - 1][r * m + l] * g(j, c, l);
      EXPECT_NEAR(fit->v[r * m + c], v, 1e-12);
    }
}

TEST(VarEstimation, BurgSearchAndRefusals) {
  const Matrix a = {0.5, 0.2, -0.3, 0.4};
  const MeanCorrectedData data = MeanCorrect(SimulatedVar1(a, 2, 5000, 3));
  for (VarEstimator estimator : {VarEstimator::kYuleWalker, VarEstimator::kBurg}) {
    const std::optional<VarFit> fit = FitVar(estimator, data, 0, true);
    ASSERT_TRUE(fit);
    EXPECT_EQ(fit->order, 1);
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(fit->phi[0][k], a[k], 0.05);
    EXPECT_NEAR(fit->v[0], 1.0, 0.1);
    EXPECT_NEAR(fit->v[1], 0.0, 0.1);
  }
  // Burg and Yule-Walker agree closely on a long series.
  const auto yw = FitVar(VarEstimator::kYuleWalker, data, 2, false);
  const auto burg = FitVar(VarEstimator::kBurg, data, 2, false);
  for (int j = 0; j < 2; ++j)
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(burg->phi[j][k], yw->phi[j][k], 0.01);
  // p = 0: V = Gamma(0), and white noise chooses p = 0.
  const MeanCorrectedData noise = MeanCorrect(SimulatedVar1({0, 0, 0, 0}, 2, 400, 11));
  const auto zero = FitVar(VarEstimator::kBurg, noise, 0, false);
  EXPECT_EQ(zero->v, SampleCovarianceMatrices(noise, 0)[0]);
  EXPECT_EQ(FitVar(VarEstimator::kYuleWalker, noise, 0, true)->order, 0);
  EXPECT_EQ(FitVar(VarEstimator::kBurg, noise, 0, true)->order, 0);
  // A constant series, or two equal ones: Gamma(0) is singular.
  EXPECT_FALSE(FitVar(VarEstimator::kYuleWalker, MeanCorrect({{1, 2, 3, 4}, {5, 5, 5, 5}}), 0, false));
  EXPECT_FALSE(FitVar(VarEstimator::kBurg, MeanCorrect({{1, 2, 4, 3}, {1, 2, 4, 3}}), 1, true));
  // The order bound of the dialogs.
  EXPECT_EQ(VarOrderBound(50, 2), 21);
  EXPECT_EQ(VarOrderBound(10, 3), 3);
  EXPECT_EQ(VarAicc(0.0, 10, 3, 4), 1e20);  // n m = 30 <= 4 m^2 + 2
}

TEST(VarEstimation, SimulatedSeriesGiveBackTheModelAndItsCrossCorrelations) {
  MultivariateArModel model;
  model.phi = {{0.5, 0.2, -0.3, 0.4}};
  model.phi0 = {1.0, -2.0};
  model.v = {2.0, 0.6, 0.6, 1.0};
  // The mean solves mu = phi0 + Phi mu.
  const std::vector<double> mu = {(0.6 * 1.0 + 0.2 * -2.0) / (0.5 * 0.6 + 0.2 * 0.3),
                                  (0.5 * -2.0 - 0.3 * 1.0) / (0.5 * 0.6 + 0.2 * 0.3)};
  std::mt19937 engine(5);
  std::normal_distribution<double> noise;
  const int n = 20000;
  std::vector<double> z((kVarBurnIn + n) * 2);
  for (double& v : z) v = noise(engine);
  const auto x = SimulateVar(model, mu, n, z);
  ASSERT_EQ(x.size(), 2u);
  ASSERT_EQ(x[0].size(), static_cast<size_t>(n));
  const MeanCorrectedData data = MeanCorrect(x);
  for (int i = 0; i < 2; ++i) EXPECT_NEAR(data.mu[i], mu[i], 0.05);
  const auto fit = FitVar(VarEstimator::kYuleWalker, data, 1, false);
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(fit->phi[0][k], model.phi[0][k], 0.03);
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(fit->v[k], model.v[k], 0.06);
  // corr(X_1(t+1), X_2(t)) of the model: (Phi Gamma(0))(0, 1) over the scales.
  const CrossCorrelations rho = SampleCrossCorrelations(data, 1);
  const std::vector<Matrix> gamma = SampleCovarianceMatrices(data, 1);
  const double g0[4] = {gamma[0][0], gamma[0][1], gamma[0][2], gamma[0][3]};
  const double expected = (0.5 * g0[1] + 0.2 * g0[3]) / std::sqrt(g0[0] * g0[3]);
  EXPECT_NEAR(rho[0][1][2], expected, 0.03);
  EXPECT_EQ(rho[1][0][0], rho[0][1][2]);
  MultivariateArModel singular;
  singular.phi0 = {0, 0};
  singular.v = {0, 0, 0, 0};
  EXPECT_TRUE(SimulateVar(singular, {0, 0}, 5, z).empty());
}

}  // namespace
}  // namespace kora
