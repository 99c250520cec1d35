#include "arma/model_acvf.h"

#include <gtest/gtest.h>

#include <cmath>

#include "reference_data.h"

namespace kora {
namespace {

using testing::ModelOf;

TEST(ModelAcvf, StepDownTestsAtTheUnitCircle) {
  EXPECT_TRUE(IsCausal(ModelOf({}, {})));
  EXPECT_TRUE(IsInvertible(ModelOf({}, {})));
  EXPECT_FALSE(IsCausal(ModelOf({1.0}, {})));
  EXPECT_TRUE(IsCausal(ModelOf({0.9999999}, {})));
  EXPECT_FALSE(IsInvertible(ModelOf({}, {2.0})));
  EXPECT_FALSE(IsInvertible(ModelOf({}, {1.0})));
  EXPECT_TRUE(IsInvertible(ModelOf({}, {-0.99})));
  // 1 - 1.3885 z + 0.6906 z^2 has complex roots outside the unit circle;
  // (1 - 0.5z)(1 - 1.25z) has a root inside.
  EXPECT_TRUE(IsCausal(ModelOf({1.3885777, -0.6905689}, {})));
  EXPECT_FALSE(IsCausal(ModelOf({1.75, -0.625}, {})));
  std::vector<double> gamma = {42.0};
  EXPECT_EQ(ModelAcvf(5, kAcvfCompute, {1.75, -0.625}, 2, 0, 1.0, gamma), -1);
  EXPECT_EQ(gamma, std::vector<double>{42.0});  // untouched on failure
  EXPECT_EQ(ModelAcvf(5, kAcvfCausality, {0.5, 2.0}, 1, 1, 1.0, gamma), 0);
  EXPECT_EQ(ModelAcvf(5, kAcvfInvertibility, {0.5, 2.0}, 1, 1, 1.0, gamma), -1);
}

TEST(ModelAcvf, ClosedForms) {
  std::vector<double> gamma;
  // AR(1): sigma2 phi^h / (1 - phi^2).
  ASSERT_EQ(ModelAcvf(30, kAcvfCompute, {0.7}, 1, 0, 2.0, gamma), 0);
  ASSERT_EQ(gamma.size(), 31u);
  for (int h = 0; h <= 30; ++h) EXPECT_NEAR(gamma[h], 2.0 * std::pow(0.7, h) / (1 - 0.49), 1e-12);
  // ARMA(1,1): gamma(0) = s2 (1 + 2 phi th + th^2)/(1 - phi^2), gamma(1) = s2 (1 + phi th)(phi + th)/(1 -
  // phi^2).
  const double phi = 0.6, th = -0.3;
  ASSERT_EQ(ModelAcvf(4, kAcvfCompute, {phi, th}, 1, 1, 1.5, gamma), 0);
  EXPECT_NEAR(gamma[0], 1.5 * (1 + 2 * phi * th + th * th) / (1 - phi * phi), 1e-12);
  EXPECT_NEAR(gamma[1], 1.5 * (1 + phi * th) * (phi + th) / (1 - phi * phi), 1e-12);
  for (int h = 2; h <= 4; ++h) EXPECT_NEAR(gamma[h], phi * gamma[h - 1], 1e-12);
  // AR(2): Yule-Walker equations hold.
  ASSERT_EQ(ModelAcvf(10, kAcvfCompute, {1.2, -0.5}, 2, 0, 1.0, gamma), 0);
  EXPECT_NEAR(gamma[0] - 1.2 * gamma[1] + 0.5 * gamma[2], 1.0, 1e-12);
  EXPECT_NEAR(gamma[1], 1.2 * gamma[0] - 0.5 * gamma[1], 1e-12);
  // MA(2) and a q > p model: the MA part of the ACVF.
  const double theta[] = {0.4, -0.25};
  const std::vector<double> ma = MaAcvf(4, 2, theta, 2.0);
  EXPECT_NEAR(ma[0], 2.0 * (1 + 0.16 + 0.0625), 1e-14);
  EXPECT_NEAR(ma[1], 2.0 * (0.4 - 0.1), 1e-14);
  EXPECT_NEAR(ma[2], 2.0 * -0.25, 1e-14);
  EXPECT_EQ(ma[3], 0.0);
  // ARMA(1,2) against the psi-weight sum gamma(h) = sigma2 sum psi(j) psi(j+h).
  const std::vector<double> c = {0.5, 0.4, -0.25};
  const std::vector<double> psi = PsiWeights(1, 2, c, 400);
  ASSERT_EQ(ModelAcvf(6, kAcvfCompute, c, 1, 2, 1.0, gamma), 0);
  for (int h = 0; h <= 6; ++h) {
    double sum = 0;
    for (int j = 0; j + h < 400; ++j) sum += psi[j] * psi[j + h];
    EXPECT_NEAR(gamma[h], sum, 1e-12);
  }
  EXPECT_NEAR(psi[1], 0.5 + 0.4, 1e-15);
  EXPECT_NEAR(psi[2], 0.5 * 0.9 - 0.25, 1e-15);
}

TEST(ModelAcfPacf, OrdinaryModels) {
  ModelAcfResult white = ModelAcfPacf(ModelOf({}, {}, 3.0), 40);
  EXPECT_EQ(white.gamma0, 3.0);
  EXPECT_EQ(white.acf[0], 1.0);
  for (int h = 1; h <= 40; ++h) EXPECT_EQ(white.acf[h], 0.0);

  // AR(1): rho(h) = phi^h beyond the exact lags too; PACF phi then 0.
  ModelAcfResult ar = ModelAcfPacf(ModelOf({0.8}, {}, 1.0), 40);
  EXPECT_NEAR(ar.gamma0, 1 / (1 - 0.64), 1e-12);
  for (int h = 0; h <= 40; ++h) EXPECT_NEAR(ar.acf[h], std::pow(0.8, h), 1e-12);
  EXPECT_NEAR(ar.pacf[1], 0.8, 1e-12);
  for (int h = 2; h <= 40; ++h) EXPECT_NEAR(ar.pacf[h], 0.0, 1e-10);

  // Pure MA(27): exact up to lag 26, 0 from lag 27 on.
  ArmaModel ma;
  ma.maOrder = 27;
  for (int j = 0; j < 27; ++j) ma.theta[j] = 0.5;
  ModelAcfResult m = ModelAcfPacf(ma, 30);
  const double g0 = 1 + 27 * 0.25;
  EXPECT_NEAR(m.acf[26], (0.5 + 0.25) / g0, 1e-12);
  EXPECT_EQ(m.acf[27], 0.0);
  EXPECT_EQ(ModelAcfPacf(ModelOf({1.0}, {}), 10).status, -1);
}

TEST(ModelAcfPacf, FractionalNoise) {
  // d = 0.3 without ARMA part: rho(h) = Gamma(h+d)Gamma(1-d) / (Gamma(h-d+1)Gamma(d)),
  // gamma(0) = Gamma(1-2d)/Gamma(1-d)^2.
  ArmaModel model;
  model.fractional = true;
  model.fractionalD = 0.3;
  ModelAcfResult r = ModelAcfPacf(model, 20);
  ASSERT_EQ(r.status, 0);
  const double d = 0.3;
  EXPECT_NEAR(r.gamma0, std::tgamma(1 - 2 * d) / std::pow(std::tgamma(1 - d), 2), 1e-12);
  for (int h = 1; h <= 20; ++h)
    EXPECT_NEAR(r.acf[h], std::tgamma(h + d) * std::tgamma(1 - d) / (std::tgamma(h - d + 1) * std::tgamma(d)),
                1e-10);
  EXPECT_NEAR(r.pacf[1], d / (1 - d), 1e-12);
  EXPECT_NEAR(r.pacf[5], d / (5 - d), 1e-10);  // PACF of fractional noise: d/(h-d)

  // d = 0 with an AR(1) part follows the ordinary model up to the truncated psi weights.
  ArmaModel arfima = ModelOf({0.5}, {});
  arfima.fractional = true;
  const ModelAcfResult a = ModelAcfPacf(arfima, 10);
  for (int h = 0; h <= 10; ++h) EXPECT_NEAR(a.acf[h], std::pow(0.5, h), 1e-12);
  EXPECT_NEAR(a.gamma0, 1 / 0.75, 1e-12);
}

TEST(ArMaInfinity, PsiAndPiWeights) {
  // ARMA(1,1): psi(j) = (phi + theta) phi^(j-1), pi(j) = -(phi + theta)(-theta)^(j-1).
  const double phi = 0.6, th = 0.3;
  InfinityWeights w = ArMaInfinityWeights(ModelOf({phi}, {th}), 50);
  ASSERT_TRUE(w.invertible);
  EXPECT_EQ(w.psi[0], 1.0);
  EXPECT_EQ(w.pi[0], 1.0);
  for (int j = 1; j < 50; ++j) {
    EXPECT_NEAR(w.psi[j], (phi + th) * std::pow(phi, j - 1), 1e-12);
    EXPECT_NEAR(w.pi[j], -(phi + th) * std::pow(-th, j - 1), 1e-12);
  }
  EXPECT_FALSE(ArMaInfinityWeights(ModelOf({}, {2.0}), 50).invertible);
  // Fractional noise: psi(j) = c(j) of (1-B)^-d, pi(j) of (1-B)^d; psi * pi = 1.
  ArmaModel frac;
  frac.fractional = true;
  frac.fractionalD = 0.25;
  w = ArMaInfinityWeights(frac, 50);
  EXPECT_TRUE(w.invertible);
  EXPECT_NEAR(w.psi[1], 0.25, 1e-15);
  EXPECT_NEAR(w.pi[1], -0.25, 1e-15);
  for (int j = 1; j < 50; ++j) {
    double conv = 0;
    for (int i = 0; i <= j; ++i) conv += w.psi[i] * w.pi[j - i];
    EXPECT_NEAR(conv, 0.0, 1e-12);
  }
}

TEST(ArmaModel, FreeParametersAndRelations) {
  ArmaModel model = ModelOf({0.5, 0.0, 0.2}, {0.0, 0.3});
  model.multRelationCount = 2;
  RebuildFreeParameters(model);
  EXPECT_EQ(model.freeParamCount, 3);
  EXPECT_EQ(model.freeParamList[0], 1);
  EXPECT_EQ(model.freeParamList[1], 3);
  EXPECT_EQ(model.freeParamList[2], 5);
  EXPECT_EQ(model.multRelationCount, 0);
  // MA relation 13 = 1 x 12 with p = 1: combined target 14, factors 2 and 13.
  ArmaModel ma;
  ma.arOrder = 1;
  ma.maOrder = 13;
  ma.phi[0] = 0.9;
  ma.theta[0] = 0.5;
  ma.theta[11] = 0.4;
  ma.multRelationCount = 2;
  ma.multRelationTarget = {14, 1, 0, 0, 0, 0};
  ma.multRelationFactor1 = {2, 2, 0, 0, 0, 0};
  ma.multRelationFactor2 = {13, 14, 0, 0, 0, 0};
  std::vector<double> c = CombinedCoefficients(ma);
  ApplyRelations(ma, c);
  EXPECT_DOUBLE_EQ(c[13], 0.5 * 0.4);
  EXPECT_DOUBLE_EQ(c[0], -(0.5 * 0.2));  // an AR target is negated; it sees the earlier relation
}

}  // namespace
}  // namespace kora
