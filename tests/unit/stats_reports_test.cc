#include "stats/stats_reports.h"

#include <gtest/gtest.h>

#include <string>

#include "report/number_format.h"
#include "reference_data.h"

namespace kora {
namespace {

UnivariateProject ProjectWith(const std::vector<double>& values) {
  UnivariateProject project;
  project.inUse = true;
  project.series = values;
  project.untransformedSeries = values;
  project.firstIndex = 1;
  project.lastIndex = static_cast<int>(values.size());
  return project;
}

TEST(StatsReports, DataSummaryOfNile) {
  const UnivariateProject project = ProjectWith(testing::ReadDataFile("nile.txt"));
  const nlohmann::json nile = testing::ReadReferenceFile("stats.json")["series"]["nile"];
  const std::string expected =
      "==========\r\n"
      "KORA::Tarn\r\n"
      "==========\r\n"
      "# of Data Points =      100\r\n"
      "  \r\n"
      "Sample Mean = " +
      FormatFixed(nile["mean"], 4) +
      "\r\n"
      "Sample Variance = " +
      FormatFixed(nile["variance"], 6) +
      "\r\n"
      "Std.Error(Sample Mean) =  " +
      FormatFixed(nile["se_mean"], 6) +
      "\r\n"
      "(square root of (1/n)SUM{(1-|h|/r)acvf(h)}, |h|<r=[sqrt(n)])\r\n"
      "  \r\n"
      "MODEL:\r\n"
      "ARMA Model: \r\n"
      "X(t) =  Z(t)\r\n"
      "  \r\n"
      "WN Variance = 1.000000\r\n";
  EXPECT_EQ(DataSummaryText(project), expected);
}

TEST(StatsReports, DataSummaryMeanLineAndEmptyProject) {
  UnivariateProject project = ProjectWith({1, 2, 6});
  TransformStep older, difference, newer;
  older.kind = kSubtractMean;
  older.mean = 5;
  difference.kind = kDifference;
  newer.kind = kSubtractMean;
  newer.mean = -2.5;
  project.transforms = {older, newer, difference};
  project.model.whiteNoiseVariance = 0.25;
  const std::string text = DataSummaryText(project);
  EXPECT_NE(text.find("\r\nSubtracted Mean = -2.5000\r\nSample Variance = 4.666667\r\n"), std::string::npos);
  EXPECT_EQ(text.find("\r\nSample Mean = "), std::string::npos);
  EXPECT_TRUE(text.ends_with("\r\n  \r\nWN Variance = 0.250000\r\n"));

  EXPECT_EQ(DataSummaryText(UnivariateProject{}),
            "==========\r\nKORA::Tarn\r\n==========\r\n"
            "# of Data Points =        0\r\n"
            "  \r\n"
            "MODEL:\r\nARMA Model: \r\nX(t) =  Z(t)\r\n  \r\n"
            "WN Variance = 1.000000\r\n");
}

TEST(StatsReports, AcfPacfSectionsFollowTheFlags) {
  UnivariateProject project;
  project.sampleAcfLags = 3;
  project.sampleAcf = {1, 0.5, -0.25, 0.125};
  project.samplePacf = {1, 0.5, -0.5, 0.0625};
  project.sampleVariance = 2.5;
  project.modelAcfLags = 2;
  project.modelAcf = {1, 0.75, 0.5};
  project.modelPacf = {1, 0.75, 0};
  project.model.modelGamma0 = 4.0 / 3;

  const std::string header =
      "===============\r\nKORA::Tarn(ACF/PACF)\r\n===============\r\n"
      "# of Lags =        3\r\n"
      "  \r\n";
  const std::string sampleAcf =
      "  \r\nSample Autocorrelations:\r\n  \r\nSample Variance = 2.50000000\r\n  \r\n"
      "        1.0000        0.5000       -0.2500\r\n"
      "  \r\n";
  const std::string modelAcf =
      "  \r\nModel Autocorrelations:\r\n  \r\nGamma(0) = 1.33333333\r\n  \r\n"
      "        1.0000        0.7500\r\n"
      "  \r\n";
  const std::string samplePacf =
      "  \r\nSample Partial Autocorrelations:\r\n  \r\n"
      "        1.0000        0.5000       -0.5000\r\n"
      "  \r\n";
  const std::string modelPacf =
      "  \r\nModel Partial Autocorrelations:\r\n  \r\n"
      "        1.0000        0.7500\r\n"
      "  \r\n";

  project.acfDisplayFlags = kAcfSample | kAcfModel | kAcfPanel | kPacfPanel;
  EXPECT_EQ(AcfPacfReportText(project), header + sampleAcf + modelAcf + samplePacf + modelPacf);
  // One panel shown still lists both the ACF and the PACF.
  project.acfDisplayFlags = kAcfSample | kPacfPanel;
  EXPECT_EQ(AcfPacfReportText(project), header + sampleAcf + samplePacf);
  project.acfDisplayFlags = kAcfModel | kAcfPanel;
  EXPECT_EQ(AcfPacfReportText(project), header + modelAcf + modelPacf);
  // No panel, or no curve: the header only.
  project.acfDisplayFlags = kAcfSample | kAcfModel;
  EXPECT_EQ(AcfPacfReportText(project), header);
  project.acfDisplayFlags = kAcfPanel | kPacfPanel;
  EXPECT_EQ(AcfPacfReportText(project), header);

  // Five lags fill a row, which then ends with an empty line.
  project.acfDisplayFlags = kAcfSample | kAcfPanel;
  project.sampleAcfLags = 5;
  project.sampleAcf = {1, 0.5, 0.25, 0.125, 0.0625, 0.03125};
  project.samplePacf = {1, 0.5, 0, 0, 0, 0};
  EXPECT_NE(AcfPacfReportText(project).find("        1.0000        0.5000        0.2500        0.1250        "
                                            "0.0625\r\n\r\n  \r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace kora
