#include "linalg/lu.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

TEST(Lu, SolvesAndInvertsWithRowExchangesAndRefusesSingularSystems) {
  // A zero leading entry needs a row exchange; the later pivots move rows again.
  const std::vector<double> a = {0, 2, 1, 3, 1, -1, 1, 4, 2};
  std::vector<double> x = {3, 0, 6};
  ASSERT_TRUE(SolveGeneral(a, 3, x));
  const std::vector<double> b = {3, 0, 6};
  for (int i = 0; i < 3; ++i) {
    double s = 0;
    for (int k = 0; k < 3; ++k) s += a[i * 3 + k] * x[k];
    EXPECT_NEAR(s, b[i], 1e-12);
  }
  std::vector<double> inverse = a;
  ASSERT_TRUE(InvertGeneral(inverse, 3));
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      double s = 0;
      for (int k = 0; k < 3; ++k) s += a[i * 3 + k] * inverse[k * 3 + j];
      EXPECT_NEAR(s, i == j ? 1.0 : 0.0, 1e-12);
    }

  std::vector<double> singular = {1, 2, 2, 4}, rhs = {1, 2};
  EXPECT_FALSE(SolveGeneral(singular, 2, rhs));
  EXPECT_EQ(rhs, (std::vector<double>{1, 2}));
  EXPECT_FALSE(InvertGeneral(singular, 2));
  EXPECT_EQ(singular, (std::vector<double>{1, 2, 2, 4}));
  std::vector<double> nearly = {1, 1, 1, 1 + 1e-14};
  EXPECT_TRUE(InvertGeneral(nearly, 2));
  nearly = {1, 1, 1, 1 + 1e-14};
  EXPECT_FALSE(InvertGeneral(nearly, 2, 1e-12));
}

}  // namespace
}  // namespace kora
