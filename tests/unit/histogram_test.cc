#include <gtest/gtest.h>

#include "stats/histogram.h"

namespace kora {
namespace {

TEST(Histogram, AutomaticBinCount) {
  EXPECT_EQ(AutomaticBinCount(100), 13);
  EXPECT_EQ(AutomaticBinCount(50), 11);
  EXPECT_EQ(AutomaticBinCount(64), 13);
  EXPECT_EQ(AutomaticBinCount(1), 1);
}

TEST(Histogram, BinsEdgesAndValuesOutsideTheRange) {
  // Residuals 1..10 in 10 bins: w = 0.9, one value a bin, the largest in bin 10.
  std::vector<double> residuals;
  for (int i = 1; i <= 10; ++i) residuals.push_back(i);
  const HistogramBins bins = CountBins(residuals, 1.0, 10.0, 10, true);
  ASSERT_EQ(bins.edges.size(), 11u);
  EXPECT_NEAR(bins.edges[1] - bins.edges[0], 0.9, 1e-15);
  EXPECT_EQ(bins.counts, std::vector<double>(10, 1.0));
  // The data histogram counts nothing at or beyond hi, nor below lo.
  const HistogramBins data = CountBins({-5.0, 0.0, 0.5, 1.0, 7.0}, 0.0, 1.0, 2, false);
  EXPECT_EQ(data.counts, (std::vector<double>{1.0, 1.0}));
  // Equal values (w would be 0) and far-out values neither crash nor overflow.
  const HistogramBins flat = CountBins({4.0, 4.0, 4.0, 1e300}, 4.0, 4.0, 3, true);
  EXPECT_EQ(flat.counts, (std::vector<double>{0.0, 3.0, 0.0}));
}

TEST(Histogram, Reports) {
  EXPECT_EQ(HistogramReportText(13),
            "=====================\r\nKORA::Tarn(Histogram)\r\n=====================\r\n# of Bins =       13\r\n");
  EXPECT_EQ(ResidualHistogramReportText(7), std::string(31, '=') + "\r\nKORA::Tarn(Residuals Histogram)\r\n" +
                                                std::string(31, '=') + "\r\n# of Bins =        7\r\n");
}

}  // namespace
}  // namespace kora
