// The innovations recursion without stored predictors (the form the
// optimiser uses) against the stored form and the frozen steady-state
// recursion, on long series.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "arma/likelihood.h"
#include "arma/model_acvf.h"
#include "reference_data.h"

namespace kora {
namespace {

using testing::ModelOf;

std::vector<double> SimulateLong(const ArmaModel& model, int n, unsigned seed) {
  std::mt19937 rng(seed);
  std::normal_distribution<double> noise(0.0, 1.0);
  std::vector<double> z(n + 300), x(n + 300, 0.0);
  for (double& v : z) v = noise(rng);
  for (int t = 0; t < n + 300; ++t) {
    x[t] = z[t];
    for (int j = 1; j <= model.arOrder && j <= t; ++j) x[t] += model.phi[j - 1] * x[t - j];
    for (int j = 1; j <= model.maOrder && j <= t; ++j) x[t] += model.theta[j - 1] * z[t - j];
  }
  return {x.begin() + 300, x.end()};
}

TEST(InnovationsStreaming, MatchesTheStoredRecursionOnLongSeries) {
  // q > p, q = p and p > q exercise every width of the innovation window.
  const std::vector<ArmaModel> models = {ModelOf({1.2, -0.5}, {0.4, 0.3}), ModelOf({0.5}, {0.3, -0.2, 0.4}),
                                         ModelOf({0.4, 0.2, -0.3, 0.1}, {-0.6})};
  for (const ArmaModel& model : models) {
    const int p = model.arOrder, q = model.maOrder;
    const std::vector<double> coefficients = CombinedCoefficients(model);
    std::vector<double> gamma;
    ASSERT_EQ(ModelAcvf(std::max(p, q), kAcvfCompute, coefficients, p, q, 1.0, gamma), 0);
    const InnovationsKernel kappa(coefficients, p, q, gamma);
    const std::vector<double> x = SimulateLong(model, 20000, 17 + p);
    const int n = static_cast<int>(x.size());

    InnovationsRequest request;
    request.storeResiduals = true;
    const InnovationsResult stored = InnovationsAlgorithm(kappa, x, coefficients, request);
    request.storePredictors = false;
    const InnovationsResult streamed = InnovationsAlgorithm(kappa, x, coefficients, request);
    ASSERT_EQ(stored.status, 0);
    ASSERT_EQ(streamed.status, 0);
    EXPECT_EQ(streamed.s, stored.s);
    EXPECT_EQ(streamed.logSum, stored.logSum);
    EXPECT_EQ(streamed.residuals, stored.residuals);
    EXPECT_EQ(streamed.thetaLast, stored.thetaLast);
    EXPECT_EQ(streamed.convergeIndex, stored.convergeIndex);
    EXPECT_TRUE(streamed.predictors.empty());
    // Work storage stays at the start-up: r up to the steady state only.
    const int k0 = stored.convergeIndex;
    ASSERT_LT(k0, 1000);
    EXPECT_EQ(static_cast<int>(streamed.r.size()), k0 + 1);
    ASSERT_EQ(static_cast<int>(stored.r.size()), n + 1);
    for (int k = 0; k <= n; ++k) ASSERT_EQ(streamed.RAt(k), stored.r[k]) << k;

    // Beyond the steady state the innovations follow the frozen recursion
    // e(t) = x(t) - sum phi(i) x(t-i) - sum theta(j) e(t-j).
    std::vector<double> e(n);
    for (int t = 0; t < n; ++t) e[t] = x[t] - stored.predictors[t];
    double tailS = 0.0, expectedTailS = 0.0;
    for (int t = k0 + 1; t < n; ++t) {
      double value = x[t];
      for (int i = 1; i <= p; ++i) value -= coefficients[i - 1] * x[t - i];
      for (int j = 1; j <= q; ++j) value -= stored.thetaLast[j - 1] * e[t - j];
      e[t] = value;
      tailS += value * value / stored.r[t];
      const double w = streamed.residuals[t];
      expectedTailS += w * w;
    }
    EXPECT_NEAR(tailS, expectedTailS, 1e-9 * expectedTailS);
    EXPECT_NEAR(streamed.residuals[n - 1] * std::sqrt(streamed.RAt(n - 1)), e[n - 1], 1e-9);

    // The evaluation with and without residuals gives the same likelihood.
    ArmaModel plain = model, withResiduals = model;
    withResiduals.storeResiduals = true;
    const LikelihoodOutcome a = ArmaLikelihood(x, plain, kMaximumLikelihood);
    const LikelihoodOutcome b = ArmaLikelihood(x, withResiduals, kMaximumLikelihood);
    ASSERT_EQ(a.status, 0);
    ASSERT_EQ(b.status, 0);
    EXPECT_EQ(plain.reducedLikelihood, withResiduals.reducedLikelihood);
    EXPECT_EQ(plain.whiteNoiseVariance, withResiduals.whiteNoiseVariance);
    EXPECT_TRUE(a.residuals.empty());
    ASSERT_EQ(static_cast<int>(b.residuals.size()), n);
  }
}

}  // namespace
}  // namespace kora
