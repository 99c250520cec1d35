#include "arma/whittle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "arma/likelihood.h"
#include "arma/simulation.h"

namespace kora {
namespace {

TEST(Whittle, WhiteNoiseVarianceIsTheSampleVariance) {
  // Parseval: folded over (-pi, pi], the mean of 2 pi I equals the variance
  // of the series (divisor n), for even and odd n.
  for (int n : {100, 101}) {
    UniformGenerator generator;
    std::vector<double> x = GaussianNoise(n, 77, generator);
    for (double& v : x) v = 5.0 + 3.0 * v;
    double mean = 0, variance = 0;
    for (double v : x) mean += v / n;
    for (double v : x) variance += (v - mean) * (v - mean) / n;
    const std::vector<double> periodogram = FourierPeriodogram(x);
    EXPECT_EQ(periodogram.size(), 50u);
    const WhittleValue value = WhittleObjective(periodogram, n, {}, 0, 0, 0.0);
    EXPECT_NEAR(value.sigma2, variance, 1e-10 * variance);
    EXPECT_NEAR(value.w, std::log(variance), 1e-10);
    // Inadmissible points.
    EXPECT_EQ(WhittleObjective(periodogram, n, {}, 0, 0, 0.5).w, 1.0e30);
    EXPECT_EQ(WhittleObjective(periodogram, n, {1.1}, 1, 0, 0.0).w, 1.0e30);
    EXPECT_EQ(WhittleObjective(periodogram, n, {2.0}, 0, 1, 0.0).w, 1.0e30);
  }
}

TEST(Whittle, PatternSearchAndFractionalEstimate) {
  int calls = 0;
  auto bowl = [&](const std::vector<double>& x) {
    ++calls;
    return (x[0] - 0.3) * (x[0] - 0.3) + 2 * (x[1] + 0.2) * (x[1] + 0.2);
  };
  const PatternSearchResult result = HookeJeeves(bowl, {0.0, 0.0}, 0.1);
  EXPECT_NEAR(result.x[0], 0.3, 1e-9);
  EXPECT_NEAR(result.x[1], -0.2, 1e-9);
  EXPECT_EQ(result.evaluations, calls);

  // Fractionally integrated noise with d = 0.3: the Whittle estimate of d.
  ArmaModel truth;
  truth.fractional = true;
  truth.fractionalD = 0.3;
  UniformGenerator generator;
  UnivariateProject project;
  project.series = *SimulateArma(truth, 1.0, GaussianNoise(1500, 31, generator));
  project.model.fractional = true;
  project.model.estimateD = true;
  StoreWhittleEstimate(EstimateWhittle(WorkingSeries(project), project.model, {}), project.model);
  EXPECT_NEAR(project.model.fractionalD, 0.3, 0.1);
  EXPECT_NEAR(project.model.whiteNoiseVariance, 1.0, 0.15);
  const double n = 1500;
  EXPECT_NEAR(project.model.minus2LogLikelihood,
              n * (project.model.reducedLikelihood + std::log(6.283185) + 1.0), 1e-6);
  EXPECT_NEAR(project.model.aicc, project.model.minus2LogLikelihood + 2.0 + 2.0, 1e-9);
}

}  // namespace
}  // namespace kora
