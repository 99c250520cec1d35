#include "plot/axis_ticks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kora {
namespace {

void ExpectTicks(const AxisTicks& ticks, const std::vector<double>& expected) {
  ASSERT_EQ(ticks.values.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(ticks.values[i], expected[i], 1e-12) << i;
}

TEST(AxisTicks, YAxisStepsAndFixedLabels) {
  // 0..1: 1, then 0.5, then 0.2.
  AxisTicks y = YAxisTicks(0, 1, 300);
  EXPECT_NEAR(y.step, 0.2, 1e-15);
  ExpectTicks(y, {0.2, 0.4, 0.6, 0.8});
  EXPECT_FALSE(y.thinned);
  EXPECT_EQ(YTickLabel(y.values[0], y.step), "  0.20");
  EXPECT_EQ(YTickLabel(y.values[3], y.step), "  0.80");
  EXPECT_EQ(YTickLabel(-0.4, y.step), " -0.40");

  // 0..100: 100, then 50, then 20; no decimals in 5 columns.
  y = YAxisTicks(0, 100, 300);
  EXPECT_DOUBLE_EQ(y.step, 20);
  ExpectTicks(y, {20, 40, 60, 80});
  EXPECT_EQ(YTickLabel(20, y.step), "   20");
  EXPECT_EQ(YTickLabel(-80, y.step), "  -80");
  // A value too wide for the column shows asterisks.
  EXPECT_EQ(YTickLabel(123456, y.step), "*****");

  // Small steps get more decimals: 0..0.05 has step 0.01, f = 2.
  y = YAxisTicks(0, 0.05, 300);
  EXPECT_NEAR(y.step, 0.01, 1e-15);
  EXPECT_EQ(YTickLabel(0.03, y.step), "  0.0300");
  // A typical widened range: ticks stay inside, a tick on zero is exactly 0.
  y = YAxisTicks(-1.2, 1.2, 300);
  EXPECT_NEAR(y.step, 0.2, 1e-15);
  ExpectTicks(y, {-1, -0.8, -0.6, -0.4, -0.2, 0, 0.2, 0.4, 0.6, 0.8, 1});
  EXPECT_EQ(y.values[5], 0.0);
  EXPECT_EQ(YTickLabel(y.values[5], y.step), "  0.00");
  y = YAxisTicks(-1, 1.5, 300);
  EXPECT_DOUBLE_EQ(y.step, 0.5);
  ExpectTicks(y, {-0.5, 0, 0.5, 1});
}

TEST(AxisTicks, XAxisStepsAndIntegerLabels) {
  // A series of 200 values: 100, 50, 20; 9 steps of 3 digits label every tick.
  AxisTicks x = XAxisTicks(1, 200);
  EXPECT_DOUBLE_EQ(x.step, 20);
  ExpectTicks(x, {20, 40, 60, 80, 100, 120, 140, 160, 180});
  EXPECT_FALSE(x.thinned);
  for (size_t i = 0; i < x.values.size(); ++i) EXPECT_TRUE(x.Labelled(i));
  EXPECT_EQ(XTickLabel(20, x.step), "20");
  EXPECT_EQ(XTickLabel(180, x.step), "180");
  EXPECT_EQ(XTickLabel(0, x.step), "0");
  EXPECT_EQ(XTickLabel(-20, x.step), " -20");
  EXPECT_EQ(XTickLabel(2.5, 1), "3");
  EXPECT_EQ(XTickLabel(-2.5, 1), " -3");

  // A lower end on a multiple of the step is a tick itself (x only).
  x = XAxisTicks(0, 100);
  ExpectTicks(x, {0, 20, 40, 60, 80});
  ExpectTicks(YAxisTicks(0, 100, 300), {20, 40, 60, 80});

  // Steps below 1: f + 5 columns with f + 1 decimals.
  x = XAxisTicks(0, 1);
  EXPECT_EQ(XTickLabel(x.values[1], x.step), "  0.2");
}

TEST(AxisTicks, Thinning) {
  // y: 7 * 5 steps = 35 >= ph / 2 for panels up to 71 pixels high.
  EXPECT_TRUE(YAxisTicks(0, 1, 70).thinned);
  EXPECT_TRUE(YAxisTicks(0, 1, 71).thinned);
  EXPECT_FALSE(YAxisTicks(0, 1, 72).thinned);
  // x: 0..10000 has step 2000, (3 + 1) * 5 = 20 >= 20.
  AxisTicks x = XAxisTicks(0, 10000);
  EXPECT_DOUBLE_EQ(x.step, 2000);
  EXPECT_TRUE(x.thinned);
  EXPECT_TRUE(x.Labelled(0));
  EXPECT_FALSE(x.Labelled(1));
  EXPECT_TRUE(x.Labelled(2));
  // 0..1000 has step 200: (2 + 1) * 5 = 15.
  EXPECT_FALSE(XAxisTicks(0, 1000).thinned);
}

TEST(AxisTicks, ExponentNotations) {
  // Steps above 9999 and below 0.0001.
  AxisTicks y = YAxisTicks(0, 1e6, 300);
  EXPECT_DOUBLE_EQ(y.step, 2e5);
  EXPECT_EQ(YTickLabel(y.values[0], y.step), "  2.0E+05");
  EXPECT_EQ(YTickLabel(-4e5, y.step), " -4.0E+05");
  AxisTicks x = XAxisTicks(0, 1e6);
  EXPECT_EQ(XTickLabel(x.values[1], x.step), "     0.2E+06");
  EXPECT_EQ(XTickLabel(0, x.step), "     0.0E+00");
  EXPECT_EQ(XTickLabel(-6e5, x.step), "    -0.6E+06");

  y = YAxisTicks(0, 1e-5, 300);
  EXPECT_NEAR(y.step, 2e-6, 1e-20);
  EXPECT_EQ(YTickLabel(y.values[0], y.step), "  2.0E-06");
  x = XAxisTicks(0, 1e-5);
  EXPECT_EQ(XTickLabel(x.values[2], x.step), "     0.4E-05");
  // A mantissa rounding up to 10 moves the exponent.
  EXPECT_EQ(XTickLabel(99000, 2e4), "     0.1E+06");
}

TEST(AxisTicks, EmptyAndInvalidRanges) {
  for (auto [lo, hi] :
       {std::pair{1.0, 1.0}, std::pair{2.0, 1.0}, std::pair{0.0, std::nan("")}, std::pair{-1e308, 1e308}}) {
    EXPECT_EQ(TickStep(lo, hi), 0) << lo << " " << hi;
    EXPECT_TRUE(XAxisTicks(lo, hi).values.empty());
    EXPECT_TRUE(YAxisTicks(lo, hi, 100).values.empty());
  }
  // An offset so large that the steps vanish in rounding still ends.
  EXPECT_LE(XAxisTicks(1e20, 1e20 + 1e5).values.size(), 100u);
}

}  // namespace
}  // namespace kora
