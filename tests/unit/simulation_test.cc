#include "arma/simulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "arma/likelihood.h"

namespace kora {
namespace {

// Direct 64-bit modular multiplication: an independent route to the sequence.
std::vector<double> ParkMiller(int64_t seed, int count) {
  std::vector<double> values;
  for (int i = 0; i < count; ++i) {
    seed = seed * 48271 % 2147483647;
    values.push_back(static_cast<double>(seed) / 2147483647.0);
  }
  return values;
}

TEST(Simulation, UniformAndGaussianGenerators) {
  UniformGenerator generator;
  generator.Seed(987654);
  const std::vector<double> expected = ParkMiller(987654, 10000);
  for (int i = 0; i < 10000; ++i) ASSERT_DOUBLE_EQ(generator.Next(), expected[i]) << i;
  // Seed 1 restarts from the last seed; seed 0 continues.
  generator.Seed(1);
  EXPECT_DOUBLE_EQ(generator.Next(), expected[0]);
  generator.Seed(0);
  EXPECT_DOUBLE_EQ(generator.Next(), expected[1]);
  // A state of 0 (seed 2^31 - 1 is 0 modulo the modulus) goes on as -1 would.
  generator.Seed(0x7fffffff);
  const double afterZero = generator.Next();
  EXPECT_DOUBLE_EQ(afterZero, (2147483647.0 - 48271.0) / 2147483647.0);

  // Gaussian: the first uniform is discarded, then pairs (U1, U2).
  UniformGenerator gaussian;
  const std::vector<double> z = GaussianNoise(3, 1234, gaussian);
  const std::vector<double> u = ParkMiller(1234, 7);
  for (int t = 0; t < 3; ++t)
    EXPECT_DOUBLE_EQ(z[t], std::sqrt(-2 * std::log(u[1 + 2 * t])) * std::sin(6.283185307 * u[2 + 2 * t]));
  // Same seed, same series; moments of a long series.
  EXPECT_EQ(GaussianNoise(3, 1234, gaussian), z);
  const std::vector<double> many = GaussianNoise(20000, 99, gaussian);
  double mean = 0, square = 0;
  for (double v : many) {
    mean += v / many.size();
    square += v * v / many.size();
  }
  EXPECT_NEAR(mean, 0.0, 0.03);
  EXPECT_NEAR(square, 1.0, 0.04);
}

TEST(Simulation, RealisationInvertsTheInnovationsAlgorithm) {
  // Simulating from noise Z and running the innovations algorithm on the
  // result must give back W(t) = sqrt(sigma2) Z(t).
  UniformGenerator generator;
  const std::vector<double> z = GaussianNoise(300, 4321, generator);
  struct Case {
    int p, q;
    std::vector<double> phi, theta;
  };
  for (const Case& c : {Case{2, 1, {1.2, -0.5}, {0.4}}, Case{0, 2, {}, {0.6, 0.3}}, Case{1, 0, {0.9}, {}},
                        Case{3, 3, {0.3, 0.2, -0.1}, {0.5, -0.2, 0.1}}, Case{0, 0, {}, {}}}) {
    ArmaModel model;
    model.arOrder = c.p;
    model.maOrder = c.q;
    for (int j = 0; j < c.p; ++j) model.phi[j] = c.phi[j];
    for (int j = 0; j < c.q; ++j) model.theta[j] = c.theta[j];
    const double sigma2 = 2.5;
    const auto x = SimulateArma(model, sigma2, z);
    ASSERT_TRUE(x.has_value());
    model.innovTolerance = 1e-14;
    model.storeResiduals = true;
    const LikelihoodOutcome out = ArmaLikelihood(*x, model, kMaximumLikelihood);
    ASSERT_EQ(out.status, 0);
    for (size_t t = 0; t < z.size(); ++t) ASSERT_NEAR(out.residuals[t], std::sqrt(sigma2) * z[t], 1e-8) << t;
  }
  // White noise is sqrt(sigma2) Z exactly.
  const auto noise = SimulateArma(ArmaModel{}, 4.0, z);
  ASSERT_TRUE(noise.has_value());
  for (size_t t = 0; t < z.size(); ++t) EXPECT_DOUBLE_EQ((*noise)[t], 2.0 * z[t]);
  // Not causal: no series.
  ArmaModel explosive;
  explosive.arOrder = 1;
  explosive.phi[0] = 1.5;
  EXPECT_FALSE(SimulateArma(explosive, 1.0, z).has_value());
}

TEST(Simulation, FractionalSeriesHasItsModelVariance) {
  ArmaModel model;
  model.fractional = true;
  model.fractionalD = 0.3;
  UniformGenerator generator;
  // Averaged over replications, the variance of X(1) is the model variance.
  double sum = 0.0;
  const int replications = 400;
  for (int i = 0; i < replications; ++i) {
    const auto x = SimulateArma(model, 1.0, GaussianNoise(20, 0 == i ? 555 : 0, generator));
    ASSERT_TRUE(x.has_value());
    sum += (*x)[19] * (*x)[19];
  }
  const double gamma0 = std::tgamma(1 - 2 * 0.3) / std::pow(std::tgamma(1 - 0.3), 2);
  EXPECT_NEAR(sum / replications, gamma0, 0.25 * gamma0);
}

}  // namespace
}  // namespace kora
