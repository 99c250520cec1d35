#include "report/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace kora {
namespace {

TEST(NumberFormat, Integers) {
  EXPECT_EQ(FormatInteger(0), "0");
  EXPECT_EQ(FormatInteger(-42), "-42");
  EXPECT_EQ(FormatInteger(std::numeric_limits<int>::min()), "-2147483648");
  EXPECT_EQ(FormatIntegerField(100, 8), "     100");
  EXPECT_EQ(FormatIntegerField(-7, 3), " -7");
  EXPECT_EQ(FormatIntegerField(123456789, 8), "123456789");  // too wide: not cut
}

TEST(NumberFormat, FixedRoundsAndFitsFifteenCharacters) {
  EXPECT_EQ(FormatFixed(919.35, 4), "919.3500");
  EXPECT_EQ(FormatFixed(0.5, 4), "0.5000");
  EXPECT_EQ(FormatFixed(-0.25, 4), "-0.2500");
  EXPECT_EQ(FormatFixed(2.0 / 3.0, 6), "0.666667");
  EXPECT_EQ(FormatFixed(-1234.56789, 2), "-1234.57");
  // No decimals keeps the point.
  EXPECT_EQ(FormatFixed(250.4, 0), "250.");
  EXPECT_EQ(FormatFixed(-3.6, 0), "-4.");
  EXPECT_EQ(FormatFixed(1.0, -2), "1.");
  // A value rounding to zero has no minus sign.
  EXPECT_EQ(FormatFixed(-0.00001, 4), "0.0000");
  EXPECT_EQ(FormatFixed(-0.0, 2), "0.00");
  // 15 characters fit, 16 do not.
  EXPECT_EQ(FormatFixed(123456789.12345, 5), "123456789.12345");
  EXPECT_EQ(FormatFixed(-123456789.12345, 5), "***************");
  EXPECT_EQ(FormatFixed(1.0e20, 4), "***************");
  EXPECT_EQ(FormatFixed(1.0e300, 0), "***************");
  EXPECT_EQ(FormatFixed(0.5, 20), "***************");
  EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 2), "***************");
  EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 2), "***************");
}

TEST(NumberFormat, SignificantDigits) {
  EXPECT_EQ(FormatSignificant(0, 5), "0.0000");
  EXPECT_EQ(FormatSignificant(1.0e-20, 5), "0.0000");
  EXPECT_EQ(FormatSignificant(-1.0e-20, 5), "0.0000");
  EXPECT_EQ(FormatSignificant(1.5, 3), "1.50");
  EXPECT_EQ(FormatSignificant(12.3, 3), "12.");
  EXPECT_EQ(FormatSignificant(250, 3), "250.");
  EXPECT_EQ(FormatSignificant(-1.5, 3), "-1.50");
  EXPECT_EQ(FormatSignificant(-250, 3), "-250.");
  EXPECT_EQ(FormatSignificant(123456, 3), "123000.");
  EXPECT_EQ(FormatSignificant(0.5, 8), "0.50000000");
  EXPECT_EQ(FormatSignificant(0.0123456, 3), "0.0123");
  EXPECT_EQ(FormatSignificant(1000, 4), "1000.");
  EXPECT_EQ(FormatSignificant(1, 4), "1.000");
  EXPECT_EQ(FormatSignificant(919.35, 8), "919.35000");
  // Halves round away from zero, even where the binary value is an exact tie
  // that fixed notation alone would round to even.
  EXPECT_EQ(FormatSignificant(0.125, 2), "0.13");
  EXPECT_EQ(FormatSignificant(-0.125, 2), "-0.13");
  EXPECT_EQ(FormatSignificant(2.5, 1), "3.");
  EXPECT_EQ(FormatSignificant(-2.5, 1), "-3.");
  // Rounding up to the next power of ten keeps the decimals of the original magnitude.
  EXPECT_EQ(FormatSignificant(9.996, 3), "10.00");
  // Small magnitudes still handled, then too long for the field.
  EXPECT_EQ(FormatSignificant(1.23e-5, 2), "0.000012");
  EXPECT_EQ(FormatSignificant(1.0e-12, 5), "***************");
  EXPECT_EQ(FormatSignificant(std::numeric_limits<double>::infinity(), 5), "***************");
  EXPECT_EQ(FormatSignificant(1.0e300, 5), "***************");
}

}  // namespace
}  // namespace kora
