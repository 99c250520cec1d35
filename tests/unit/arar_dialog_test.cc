#include "forecast/arar_dialog.h"

#include <gtest/gtest.h>

#include "command_dialog_fixture.h"

#include <string>
#include <vector>

#include "forecast/arar.h"
#include "forecast/arar_view.h"
#include "platform/platform.h"
#include "transform/transform_ops.h"
#include "reference_data.h"

namespace kora {
namespace {

using platform::EventType;
using platform::kIdCancel;
using platform::kIdOk;

class ArarDialogs : public testing::CommandDialogFixture {
 protected:
  bool Play() {
    queue.Close();
    const bool made = ArarForecast(ui, project);
    ExpectEveryEventTaken();
    return made;
  }
};

TEST_F(ArarDialogs, ChecksThenRunsOnSubsetOfDifferencedSeries) {
  const std::vector<double> nile = testing::ReadDataFile("nile.txt");
  project = testing::ImportedProject(nile);
  ASSERT_TRUE(PushDifference(project, 2));  // D = 2, n_total = 100
  Type(kArarCountField, "0");
  Rejected();
  Type(kArarCountField, "6");
  Click(kArarSubset);
  Type(kArarFirstField, "2");
  Rejected();
  Type(kArarFirstField, "11");
  Type(kArarLastField, "39");  // 29 values
  Rejected();
  Type(kArarLastField, "101");
  Rejected();
  Type(kArarLastField, "40");  // 30 values
  Click(kArarMethod26);
  Click(kArarShortening);
  Click(kIdOk);
  ASSERT_TRUE(Play());
  EXPECT_EQ(messages.Messages(),
            (std::vector<std::string>{"ERROR: Number of predictors MUST be greater than 0",
                                      "ERROR: Starting point MUST be greater than number of lags differenced",
                                      "ERROR: Need at least 30 observations to run ARAR",
                                      "ERROR: Final point must be less than number of obs."}));
  const ArarSettings& s = project.arar;
  EXPECT_EQ(s.ararFirst, 9);
  EXPECT_EQ(s.ararLast, 38);
  EXPECT_TRUE(s.ararSubset);
  EXPECT_TRUE(s.ararNoShortening);
  EXPECT_EQ(s.ararMethod, kArarMinVariance26);
  EXPECT_EQ(project.forecastCount, 6);
  // The same fit straight on the subset of the current series.
  ArarSettings direct;
  direct.ararNoShortening = true;
  direct.ararMethod = kArarMinVariance26;
  const std::vector<double> subset(project.series.begin() + 8, project.series.begin() + 38);
  MemoryShortening(direct, subset);
  SubsetArFit(direct, subset);
  EXPECT_EQ(direct.subsetLag, s.subsetLag);
  const std::vector<double> f = ArarPredict(direct, subset, 6);
  for (int h = 0; h < 6; ++h) EXPECT_DOUBLE_EQ(s.ararForecast[38 + h], f[h]);
  const std::string report = ArarPlotReport(ui, project);
  EXPECT_NE(report.find("Time points used in forecast: ( 11 - 40 )"), std::string::npos);
  EXPECT_NE(report.find("Memory shortening not requested."), std::string::npos);
  EXPECT_NE(report.find(" Method: minimize WN variance (max lag=26)."), std::string::npos);
}

TEST_F(ArarDialogs, WholeRangeIsTheCompleteSetAndCancelKeepsState) {
  project = testing::ImportedProject(testing::ReadDataFile("nile.txt"));
  Click(kArarOriginal);
  Click(kArarSubset);
  Type(kArarFirstField, "0");
  Rejected();
  Type(kArarFirstField, "1");
  Type(kArarLastField, "100");
  Click(kIdOk);
  ASSERT_TRUE(Play());
  EXPECT_EQ(messages.Messages(), (std::vector<std::string>{"ERROR: Starting point MUST be greater than 0"}));
  EXPECT_FALSE(project.arar.ararSubset);
  EXPECT_EQ(project.arar.ararForecast.size(), 110u);
  const ArarSettings before = project.arar;
  Click(kIdCancel);
  EXPECT_FALSE(Play());
  EXPECT_EQ(project.arar.ararForecast, before.ararForecast);
}

}  // namespace
}  // namespace kora
