#include "forecast/holt_winters_dialog.h"

#include <gtest/gtest.h>

#include "command_dialog_fixture.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "forecast/holt_winters.h"
#include "forecast/holt_winters_view.h"
#include "platform/platform.h"
#include "transform/transform_ops.h"
#include "reference_data.h"

namespace kora {
namespace {

using platform::EventType;
using platform::kIdCancel;
using platform::kIdOk;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

class HoltWintersDialogs : public testing::CommandDialogFixture {
 protected:
  bool Play(bool seasonal) {
    queue.Close();
    const bool made = HoltWintersForecast(ui, project, seasonal);
    ExpectEveryEventTaken();
    return made;
  }
};

TEST_F(HoltWintersDialogs, SeasonalChecksInOrderThenRunsOnDifferencedSubset) {
  const std::vector<double> y = testing::ReadDataFile("nottingham_temperature.txt");
  project = testing::ImportedProject(y);
  ASSERT_TRUE(PushDifference(project, 1));  // n = 239, D = 1, n_total = 240
  const HoltWintersDialogIds ids = HoltWintersIds(true);
  Type(ids.count, "0");
  Rejected();
  Type(ids.count, "5");
  Type(ids.gamma, "1.5");
  Rejected();
  Type(ids.gamma, "0.2");
  Type(ids.period, "1");
  Rejected();
  Type(ids.period, "12");
  Click(ids.subset);
  Type(ids.first, "1");
  Rejected();
  Type(ids.first, "20");
  Type(ids.last, "20");
  Rejected();
  Type(ids.last, "241");
  Rejected();
  Type(ids.last, "32");  // 13 values give a period of 12 no prediction error
  Rejected();
  Type(ids.last, "200");
  Click(kIdOk);
  ASSERT_TRUE(Play(true));
  EXPECT_EQ(messages.Messages(),
            (std::vector<std::string>{"ERROR: Number of predictors MUST be greater than 0",
                                      "ERROR: Gamma must be between 0 and 1",
                                      "ERROR: Period must be greater than 1",
                                      "ERROR: Starting point MUST be greater than number of lags differenced",
                                      "ERROR: Need last index larger than starting index",
                                      "ERROR: Final index must be less than number of obs.",
                                      "ERROR: Need at least 14 observations to run seasonal Holt-Winters"}));
  // The dialog opened with the stored defaults on the original axis.
  auto control = [&](int id) {
    for (const auto& c : messages.opened.at(0))
      if (c.id == id) return c;
    return platform::Control{};
  };
  EXPECT_EQ(control(ids.alpha).text, " 0.20000");
  EXPECT_EQ(control(ids.first).text, "2");
  EXPECT_EQ(control(ids.last).text, "240");
  EXPECT_EQ(control(ids.last).label,
            "Enter index of last observation in subset  (total number of observations is 240)");
  EXPECT_FALSE(control(ids.first).enabled);

  const HoltWintersSettings& s = project.seasonalHoltWinters;
  EXPECT_EQ(s.hwFirst, 19);  // on the differenced series
  EXPECT_EQ(s.hwLast, 199);
  EXPECT_EQ(project.forecastCount, 5);
  const std::vector<double> subset(project.series.begin() + 18, project.series.begin() + 199);
  const HoltWintersPass pass = HoltWintersRecursions(subset, 12, {0.2, 0.2, 0.2}, 5);
  for (int h = 0; h < 5; ++h) EXPECT_DOUBLE_EQ(s.hwForecast[199 + h], pass.forecasts[h]);

  const std::vector<std::string> lines = Lines(HoltWintersPlotReport(ui, project, kSeasonalHoltWintersPlot));
  ASSERT_EQ(lines.size(), 23u);
  EXPECT_EQ(lines[3], "KORA::(Seasonal H-W Forecast)");
  EXPECT_EQ(lines[2], std::string(29, '='));
  EXPECT_EQ(lines[6], "Number of points forecasted: 5");
  EXPECT_EQ(lines[7], "Time points used in forecast: ( 20 - 200 )");
  EXPECT_EQ(lines[10], " ALPHA =         0.20000");
  EXPECT_EQ(lines[12], " GAMMA =         0.20000");
  EXPECT_EQ(lines[13], " (No optimization.)");
  EXPECT_EQ(lines[16], "           Time     Prediction      ");
  EXPECT_EQ(lines[17].substr(0, 15), "            201");
  EXPECT_EQ(lines[22], "   ");
}

TEST_F(HoltWintersDialogs, OriginalDataRebuildsTheSeries) {
  // Differenced nile, forecast on the rebuilt original: the reference values.
  std::ifstream in(std::string(KORA_REFERENCE_DIR) + "/holt_winters.json");
  const nlohmann::json ref = nlohmann::json::parse(in)["nonseasonal"];
  project = testing::ImportedProject(testing::ReadDataFile("nile.txt"));
  ASSERT_TRUE(PushDifference(project, 1));
  const HoltWintersDialogIds ids = HoltWintersIds(false);
  Click(ids.original);
  Click(kIdOk);
  ASSERT_TRUE(Play(false));
  const HoltWintersSettings& s = project.holtWinters;
  EXPECT_EQ(s.hwFirst, 1);
  EXPECT_EQ(s.hwLast, 100);
  const std::vector<double> forecasts = ref["forecasts"];
  for (size_t h = 0; h < forecasts.size(); ++h) EXPECT_NEAR(s.hwForecast[100 + h], forecasts[h], 1e-9);
  EXPECT_NEAR(s.hwRmse, ref["rmse"].get<double>(), 1e-9);
  const std::vector<std::string> lines = Lines(HoltWintersPlotReport(ui, project, kHoltWintersPlot));
  EXPECT_EQ(lines[7], "Time points used in forecast: ( 1 - 100 )");
  EXPECT_EQ(lines[3], "KORA::(Holt-Winters Forecast)");

  // Cancel keeps everything; an optimised run starts from the fields.
  const HoltWintersSettings before = project.holtWinters;
  Click(kIdCancel);
  EXPECT_FALSE(Play(false));
  EXPECT_EQ(project.holtWinters.hwForecast, before.hwForecast);

  // Two values give no prediction error: refused, not extrapolated from their difference.
  project = testing::ImportedProject({7.0, 0.0});
  messages.shown.clear();
  Rejected();
  Click(kIdCancel);
  EXPECT_FALSE(Play(false));
  EXPECT_EQ(messages.Messages(), std::vector<std::string>{"ERROR: Need at least 3 observations to run Holt-Winters"});
  EXPECT_TRUE(project.holtWinters.hwForecast.empty());
}

}  // namespace
}  // namespace kora
