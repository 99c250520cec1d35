#include "report/number_parse.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

TEST(NumberParse, FreeNumericForm) {
  EXPECT_EQ(ParseFreeNumber("1.5"), 1.5);
  EXPECT_EQ(ParseFreeNumber("-2"), -2.0);
  EXPECT_EQ(ParseFreeNumber("+.5"), 0.5);
  EXPECT_EQ(ParseFreeNumber("5."), 5.0);
  EXPECT_EQ(ParseFreeNumber("1.5D3"), 1500.0);
  EXPECT_EQ(ParseFreeNumber("2e-2"), 0.02);
  EXPECT_EQ(ParseFreeNumber("2E+2"), 200.0);
  // Not numbers: words, lone signs and points, dangling exponents, NaN and
  // infinity texts, and values out of the range of a double.
  for (const char* bad : {"", "abc", "-", ".", "1e", "1e+", "1.5x", "nan", "inf", "Infinity", "1e999", "0x10"})
    EXPECT_FALSE(ParseFreeNumber(bad).has_value()) << bad;
}

TEST(NumberParse, FirstItemOfLine) {
  EXPECT_EQ(ReadFirstNumber("  1.5 2.5"), 1.5);
  EXPECT_EQ(ReadFirstNumber("3,4"), 3.0);
  EXPECT_EQ(ReadFirstNumber("\t7\t8"), 7.0);
  EXPECT_FALSE(ReadFirstNumber("word 1").has_value());
  EXPECT_FALSE(ReadFirstNumber("   ").has_value());
  EXPECT_EQ(ReadFirstInteger(" 12 "), 12);
  EXPECT_FALSE(ReadFirstInteger("1.5").has_value());
  EXPECT_FALSE(ReadFirstInteger("99999999999").has_value());
  EXPECT_EQ(ParseNumber("junk"), 0.0);
  EXPECT_EQ(ParseNumber("-3"), -3.0);
}

}  // namespace
}  // namespace kora
