#include "linalg/cholesky.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kora {
namespace {

TEST(Cholesky, InverseSolveDeterminantAndRefusals) {
  const std::vector<double> a = {4, 2, 0.6, 2, 5, 1, 0.6, 1, 3};
  std::vector<double> inverse;
  ASSERT_TRUE(InversePositiveDefinite(a, 3, inverse));
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      double s = 0;
      for (int k = 0; k < 3; ++k) s += a[i * 3 + k] * inverse[k * 3 + j];
      EXPECT_NEAR(s, i == j ? 1.0 : 0.0, 1e-12);
    }

  std::vector<double> l, x = {1, -2, 0.5};
  ASSERT_TRUE(CholeskyFactor(a, 3, l));
  CholeskySolve(l, 3, x);
  const std::vector<double> b = {1, -2, 0.5};
  for (int i = 0; i < 3; ++i) {
    double s = 0;
    for (int k = 0; k < 3; ++k) s += a[i * 3 + k] * x[k];
    EXPECT_NEAR(s, b[i], 1e-12);
  }
  const double det = 4 * (5 * 3 - 1) - 2 * (2 * 3 - 0.6) + 0.6 * (2 - 5 * 0.6);
  EXPECT_NEAR(CholeskyLogDeterminant(l, 3), std::log(det), 1e-12);

  EXPECT_FALSE(InversePositiveDefinite({1, 1, 1, 1}, 2, inverse));  // singular
  EXPECT_FALSE(InversePositiveDefinite({1, 2, 2, 1}, 2, inverse));  // indefinite
  const std::vector<double> nearly = {1, 1, 1, 1 + 1e-14};          // pivot 1e-14 of its diagonal
  EXPECT_TRUE(CholeskyFactor(nearly, 2, l));
  EXPECT_FALSE(CholeskyFactor(nearly, 2, l, {0.0, 1e-12}));
  EXPECT_FALSE(CholeskyFactor({1e-13}, 1, l, {1e-12, 0.0}));
}

}  // namespace
}  // namespace kora
