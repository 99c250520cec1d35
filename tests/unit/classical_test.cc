#include <gtest/gtest.h>

#include "dialog_events.h"
#include "recording_observer.h"

#include <cmath>
#include <numeric>

#include "platform/event_queue.h"
#include "platform/platform.h"
#include "transform/classical.h"
#include "transform/classical_dialog.h"
#include "transform/classical_fit.h"
#include "transform/transform_ops.h"
#include "reference_data.h"

namespace kora {
namespace {

using platform::EventType;
using testing::ImportedProject;
using testing::ReadDataFile;

TEST(Classical, SeasonalComponentSumsToZeroAndUndoRestores) {
  const std::vector<double> air = ReadDataFile("air_passengers.txt");
  for (int period : {3, 4, 12}) {
    UnivariateProject project = ImportedProject(air);
    ClassicalSettings settings;
    settings.seasonal = true;
    settings.period = period;
    settings.degree = 2;
    std::vector<double> fit;
    ASSERT_TRUE(PushClassical(project, settings, &fit));
    const TransformStep& step = project.transforms.back();
    EXPECT_EQ(step.kind, kClassicalSeasonal);
    ASSERT_EQ(static_cast<int>(step.seasonal.size()), period);
    EXPECT_NEAR(std::accumulate(step.seasonal.begin(), step.seasonal.end(), 0.0), 0.0, 1e-9);
    for (size_t t = 0; t < air.size(); ++t) EXPECT_NEAR(project.series[t] + fit[t], air[t], 1e-9);
    ASSERT_TRUE(UndoTopStep(project));  // the Undo command's road
    EXPECT_TRUE(project.transforms.empty());
    for (size_t t = 0; t < air.size(); ++t) EXPECT_NEAR(project.series[t], air[t], 1e-9);
  }
}

TEST(Classical, SeasonalEstimateUsesHalfWeightsForEvenPeriods) {
  // x(t) = s(t mod 4) + a slope; the centred moving average of period 4 removes
  // the seasonal pattern exactly, so s is recovered up to its mean.
  const std::vector<double> pattern = {3.0, -1.0, 0.5, -2.5};
  std::vector<double> x;
  for (int t = 1; t <= 40; ++t) x.push_back(pattern[(t - 1) % 4] + 0.5 * t);
  std::vector<double> fit(x.size(), 0.0);
  const std::vector<double> s = SeasonalComponent(x, 4, fit);
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(s[i], pattern[i], 1e-12);
}

TEST(Classical, TrendAndHarmonicsOnExactSignals) {
  std::vector<double> line, parabola, wave;
  for (int t = 1; t <= 30; ++t) {
    line.push_back(4.0 - 0.5 * t);
    parabola.push_back(1.0 + 2.0 * t - 0.1 * t * t);
    wave.push_back(10.0 + 3.0 * std::cos(6.28318530718 * 2 * t / 30) - std::sin(6.28318530718 * 5 * t / 30));
  }
  UnivariateProject project = ImportedProject(line);
  ClassicalSettings linear;  // trend only: a kind-4 step with period -1
  ASSERT_TRUE(PushClassical(project, linear));
  EXPECT_EQ(project.transforms.back().period, -1);
  for (double v : project.series) EXPECT_NEAR(v, 0.0, 1e-12);
  EXPECT_NEAR(project.transforms.back().trendCoefficients[1], -0.5, 1e-12);

  project = ImportedProject(parabola);
  ClassicalSettings quadratic;
  quadratic.degree = 2;
  ASSERT_TRUE(PushClassical(project, quadratic));
  const auto& c = project.transforms.back().trendCoefficients;
  EXPECT_NEAR(c[0], 1.0, 1e-9);
  EXPECT_NEAR(c[1], 2.0, 1e-10);
  EXPECT_NEAR(c[2], -0.1, 1e-11);

  project = ImportedProject(wave);
  ClassicalSettings harmonics;
  harmonics.harmonic = true;
  harmonics.harmonicCount = 2;
  harmonics.indices = {2, 5, 0, 0};
  harmonics.degree = 0;
  ASSERT_TRUE(PushClassical(project, harmonics));
  for (double v : project.series) EXPECT_NEAR(v, 0.0, 1e-9);
  EXPECT_NEAR(project.transforms.back().harmonicExtra, 10.0, 1e-12);
  ASSERT_TRUE(UndoClassical(project));
  for (size_t t = 0; t < wave.size(); ++t) EXPECT_NEAR(project.series[t], wave[t], 1e-9);

  // Nothing asked for: nothing applied. Very short series: no division by zero.
  ClassicalSettings nothing;
  nothing.degree = 0;
  EXPECT_FALSE(PushClassical(project, nothing));
  UnivariateProject tiny = ImportedProject({1.0, 2.0});
  ASSERT_TRUE(PushClassical(tiny, quadratic));
  for (double v : tiny.series) EXPECT_TRUE(std::isfinite(v));
}

TEST(Classical, FitReportShowsTrendAndSeasonalComponents) {
  UnivariateProject project = ImportedProject(ReadDataFile("air_passengers.txt"));
  ClassicalSettings settings;
  settings.seasonal = true;
  settings.period = 12;
  settings.degree = 1;
  ASSERT_TRUE(PushClassical(project, settings));
  const std::string text = FitReportText(project);
  EXPECT_EQ(text.substr(0, 58), "===============\r\nKORA::Tarn(Fit)\r\n===============\r\n  \r\nPol");
  EXPECT_NE(text.find("Seasonal fit of period = 12\r\nSeasonal components: \r\n              1)  -24.749\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("X(t) = "), std::string::npos);
  EXPECT_NE(text.find(" * t  + "), std::string::npos);
  // Without a classical step only the header is written.
  EXPECT_EQ(FitReportText(ImportedProject({1, 2, 3})),
            "===============\r\nKORA::Tarn(Fit)\r\n===============\r\n  \r\n");
}

class ClassicalDialogs : public ::testing::Test {
 protected:
  using Log = testing::RecordingObserver;
  void Push(EventType type, int id = 0, std::string text = "", int number = 0) {
    queue.Push(testing::ControlEvent(type, id, std::move(text), number));
  }
  int Run() {
    queue.Close();
    ClassicalDialog dialog(project, [this] { ++refreshes; });
    const int result = ui.RunDialog(dialog);
    EXPECT_TRUE(queue.rejections.empty()) << queue.rejections.front();
    return result;
  }
  platform::EventQueue queue;
  Log log;
  platform::Platform ui{queue, log};
  UnivariateProject project;
  int refreshes = 0;
};

TEST_F(ClassicalDialogs, ValidatesFieldsAndKeepsOneStep) {
  const std::vector<double> nile = ReadDataFile("nile.txt");
  project = ImportedProject(std::vector<double>(nile.begin(), nile.begin() + 12));
  Push(EventType::Check, kClassicalSeasonalCheck, "", 1);
  Push(EventType::SetText, kClassicalPeriodField, "5");
  Push(EventType::Click, kClassicalShowFit);
  Push(EventType::Ok);
  Push(EventType::SetText, kClassicalPeriodField, "3");
  Push(EventType::Click, kClassicalShowFit);
  Push(EventType::SetText, kClassicalPeriodField, "4");
  Push(EventType::Click, platform::kIdOk);
  EXPECT_EQ(Run(), platform::kIdOk);
  EXPECT_EQ(log.Texts(), std::vector<std::string>{"Period must be in: (2,4]"});
  ASSERT_EQ(project.transforms.size(), 1u);
  EXPECT_EQ(project.transforms.back().period, 4);
}

TEST_F(ClassicalDialogs, HarmonicIndicesAndCancel) {
  const std::vector<double> nile = ReadDataFile("nile.txt");
  project = ImportedProject(std::vector<double>(nile.begin(), nile.begin() + 20));
  Push(EventType::Check, kClassicalHarmonicCheck, "", 1);
  Push(EventType::SetText, kClassicalHarmonicCountField, "5");
  Push(EventType::Click, kClassicalShowFit);
  Push(EventType::Ok);
  Push(EventType::SetText, kClassicalHarmonicCountField, "1");
  Push(EventType::SetText, kClassicalIndexField1, "10");
  Push(EventType::Click, kClassicalShowFit);
  Push(EventType::Ok);
  Push(EventType::SetText, kClassicalIndexField1, "9");
  Push(EventType::Click, kClassicalShowFit);
  Push(EventType::Click, platform::kIdCancel);
  EXPECT_EQ(Run(), platform::kIdCancel);
  EXPECT_EQ(log.Texts(),
            (std::vector<std::string>{"Number of harmonics must be in [1, 4]", "Index(1) must be in (1, 10)"}));
  EXPECT_TRUE(project.transforms.empty());
  for (int t = 0; t < 20; ++t) EXPECT_NEAR(project.series[t], nile[t], 1e-9);
  EXPECT_EQ(refreshes, 2);  // the previewed step and its removal
}

}  // namespace
}  // namespace kora
