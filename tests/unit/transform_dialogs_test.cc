#include <gtest/gtest.h>

#include "dialog_events.h"
#include "recording_observer.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "platform/event_queue.h"
#include "platform/platform.h"
#include "transform/box_cox_dialog.h"
#include "transform/difference_dialog.h"
#include "transform/subsequence_dialog.h"
#include "transform/transform_ops.h"
#include "transform/undo_command.h"
#include "reference_data.h"

namespace kora {
namespace {

using platform::EventType;
using platform::kIdCancel;
using platform::kIdOk;
using testing::ImportedProject;
using testing::ReadDataFile;

using Recorder = testing::RecordingObserver;

const platform::Control& ControlOf(const std::vector<platform::Control>& controls, int id) {
  for (const auto& c : controls)
    if (c.id == id) return c;
  throw std::logic_error("no control " + std::to_string(id));
}

class TransformDialogs : public ::testing::Test {
 protected:
  void Event(EventType type, int id = 0, std::string text = "", int number = 0) {
    queue.Push(testing::ControlEvent(type, id, std::move(text), number));
  }
  void Type(int id, std::string text) { Event(EventType::SetText, id, std::move(text)); }
  void Click(int id) { Event(EventType::Click, id); }
  void AnswerMessage() { Event(EventType::Ok); }
  void MoveSlider(int position) { Event(EventType::Slider, kBoxCoxSlider, "", position); }

  // Closes the event queue; every queued event must have been taken.
  template <typename Run>
  bool Play(Run run) {
    queue.Close();
    const bool applied = run(platform, project, refresh);
    EXPECT_TRUE(queue.rejections.empty()) << queue.rejections.front();
    EXPECT_FALSE(queue.Next().has_value()) << "events left over";
    return applied;
  }

  platform::EventQueue queue;
  Recorder recorder;
  platform::Platform platform{queue, recorder};
  UnivariateProject project;
  int refreshes = 0;
  std::function<void()> refresh = [this] { ++refreshes; };
};

TEST_F(TransformDialogs, DifferenceRejectsBadLagsThenApplies) {
  const std::vector<double> nile = ReadDataFile("nile.txt");
  project = ImportedProject(nile);
  Type(kDifferenceLagField, "0");
  Click(kIdOk);
  AnswerMessage();
  Type(kDifferenceLagField, "99");  // n - 1
  Click(kIdOk);
  AnswerMessage();
  Type(kDifferenceLagField, "1.5");  // not an integer: reopens silently
  Click(kIdOk);
  Type(kDifferenceLagField, "98");
  Event(EventType::Enter);
  EXPECT_TRUE(Play(RunDifferenceDialog));

  EXPECT_EQ(recorder.Messages(), (std::vector<std::string>{"KORA::Tarn Error: Lag must be positive",
                                                         "KORA::Tarn Error: Lag too large for data set."}));
  ASSERT_EQ(recorder.opened.size(), 4u);
  for (const auto& controls : recorder.opened) {
    EXPECT_EQ(ControlOf(controls, kDifferenceLagField).label, "Enter lag:");
    EXPECT_EQ(ControlOf(controls, kDifferenceLagField).text, "1");
  }
  EXPECT_EQ(refreshes, 1);
  EXPECT_EQ(project.count(), 2);
  EXPECT_EQ(project.firstIndex, 99);
  EXPECT_EQ(project.series[1], nile[99] - nile[1]);
}

TEST_F(TransformDialogs, DifferenceAndUndoRoundTrip) {
  const std::vector<double> nile = ReadDataFile("nile.txt");
  project = ImportedProject(nile);
  Type(kDifferenceLagField, "12");
  Click(kIdOk);
  EXPECT_TRUE(Play(RunDifferenceDialog));
  EXPECT_EQ(project.firstIndex, 13);
  EXPECT_EQ(project.count(), 88);
  EXPECT_TRUE(RunUndoTransform(platform, project, refresh));
  EXPECT_EQ(refreshes, 2);
  EXPECT_EQ(project.firstIndex, 1);
  EXPECT_EQ(project.lastIndex, 100);
  ASSERT_EQ(project.count(), 100);
  for (int t = 0; t < 100; ++t) EXPECT_NEAR(project.series[t], nile[t], 1e-9);
  EXPECT_FALSE(RunUndoTransform(platform, project, refresh));  // nothing left to undo
  EXPECT_EQ(refreshes, 2);
  EXPECT_TRUE(recorder.Messages().empty());
}

TEST_F(TransformDialogs, UndoRefusedWhileTrendEstimated) {
  project = ImportedProject(ReadDataFile("nile.txt"));
  ASSERT_TRUE(PushSubtractMean(project));
  project.trend.trendSpecified = true;
  project.trend.estimationState = 1;
  AnswerMessage();
  queue.Close();
  EXPECT_FALSE(RunUndoTransform(platform, project, refresh));
  EXPECT_EQ(
      recorder.Messages(),
      std::vector<std::string>{"KORA::Tarn Error: Must remove regression function before untransforming"});
  EXPECT_EQ(project.transforms.size(), 1u);
  EXPECT_EQ(refreshes, 0);
}

TEST_F(TransformDialogs, ShortSeriesLimitTheLag) {
  project = ImportedProject({1.0, 4.0, 9.0});
  Type(kDifferenceLagField, "2");
  Click(kIdOk);
  AnswerMessage();
  Click(kIdOk);  // the reopened field shows 1
  EXPECT_TRUE(Play(RunDifferenceDialog));
  EXPECT_EQ(project.series, (std::vector<double>{3.0, 5.0}));
  EXPECT_EQ(recorder.Messages(), std::vector<std::string>{"KORA::Tarn Error: Lag too large for data set."});
}

TEST_F(TransformDialogs, TwoValuesAcceptNoLag) {
  project = ImportedProject({1.0, 4.0});
  Click(kIdOk);
  AnswerMessage();
  Click(kIdCancel);
  EXPECT_FALSE(Play(RunDifferenceDialog));
  EXPECT_EQ(recorder.Messages(), std::vector<std::string>{"KORA::Tarn Error: Lag too large for data set."});
  EXPECT_EQ(project.series, (std::vector<double>{1.0, 4.0}));
  EXPECT_TRUE(project.transforms.empty());
  EXPECT_EQ(refreshes, 0);
}

TEST_F(TransformDialogs, BoxCoxSliderAtZeroIsTheLogarithm) {
  const std::vector<double> nile = ReadDataFile("nile.txt");
  project = ImportedProject(nile);
  MoveSlider(4);
  MoveSlider(0);
  Click(kIdOk);
  EXPECT_TRUE(Play(RunBoxCoxDialog));

  const auto& opened = recorder.opened.at(0);
  EXPECT_EQ(ControlOf(opened, kBoxCoxSlider).sliderMin, 0);
  EXPECT_EQ(ControlOf(opened, kBoxCoxSlider).sliderMax, 15);
  EXPECT_EQ(ControlOf(opened, kBoxCoxSlider).sliderPos, 10);
  EXPECT_EQ(ControlOf(opened, kBoxCoxLowerLabel).label, "0.0");
  EXPECT_EQ(ControlOf(opened, kBoxCoxParameterField).text, "1.00");
  EXPECT_EQ(ControlOf(recorder.closedControls, kBoxCoxParameterField).text, "0.00");
  EXPECT_EQ(refreshes, 2);
  ASSERT_EQ(project.transforms.size(), 1u);  // the 0.4 preview was replaced
  EXPECT_EQ(project.transforms.back().lambda, 0.0);
  for (int t = 0; t < 100; ++t) EXPECT_NEAR(project.series[t], std::log(nile[t]), 1e-12);
  ASSERT_TRUE(UndoTopStep(project));
  for (int t = 0; t < 100; ++t) EXPECT_NEAR(project.series[t], nile[t], 1e-9);
}

TEST_F(TransformDialogs, BoxCoxWithZeroNeedsPositiveLambda) {
  const std::vector<double> data{0.0, 4.0, 9.0, 16.0};
  project = ImportedProject(data);
  Type(kBoxCoxParameterField, "0");
  Event(EventType::Enter);  // Enter in the field moves to OK, which validates
  AnswerMessage();
  Type(kBoxCoxParameterField, "2");
  Click(kIdOk);  // one message; the click is cancelled
  AnswerMessage();
  Type(kBoxCoxParameterField, "0.5");
  Click(kIdOk);
  EXPECT_TRUE(Play(RunBoxCoxDialog));

  const auto& opened = recorder.opened.at(0);
  EXPECT_EQ(ControlOf(opened, kBoxCoxSlider).sliderMin, 1);
  EXPECT_EQ(ControlOf(opened, kBoxCoxLowerLabel).label, "0.1");
  EXPECT_EQ(recorder.Messages(),
            std::vector<std::string>(2, "KORA::Tarn Error: Box-Cox parameter must be in (0.0, 1.5]"));
  EXPECT_EQ(recorder.opened.size(), 1u);
  EXPECT_EQ(ControlOf(recorder.closedControls, kBoxCoxSlider).sliderPos, 5);
  EXPECT_EQ(refreshes, 1);
  ASSERT_EQ(project.transforms.size(), 1u);
  EXPECT_EQ(project.transforms.back().lambda, 0.5);
  EXPECT_EQ(project.series, (std::vector<double>{-2.0, 2.0, 4.0, 6.0}));
}

TEST_F(TransformDialogs, BoxCoxTypedValueNeedsTwoEnters) {
  const std::vector<double> nile = ReadDataFile("nile.txt");
  project = ImportedProject(nile);
  Type(kBoxCoxParameterField, "word");
  Event(EventType::Focus, kBoxCoxSlider);  // not a number: ignored
  Event(EventType::Focus, kBoxCoxParameterField);
  Type(kBoxCoxParameterField, "1.6");
  Event(EventType::Enter);
  AnswerMessage();
  Type(kBoxCoxParameterField, "0.24");
  Event(EventType::Enter);  // previews; the focus is now on OK
  Event(EventType::Enter);  // closes
  EXPECT_TRUE(Play(RunBoxCoxDialog));
  EXPECT_EQ(recorder.Messages(),
            std::vector<std::string>{"KORA::Tarn Error: Box-Cox parameter must be in [0.0, 1.5]"});
  EXPECT_EQ(refreshes, 1);
  ASSERT_EQ(project.transforms.size(), 1u);
  EXPECT_EQ(project.transforms.back().lambda, 0.24);
  EXPECT_EQ(ControlOf(recorder.closedControls, kBoxCoxSlider).sliderPos, 2);
  EXPECT_NEAR(project.series[0], (std::pow(nile[0], 0.24) - 1) / 0.24, 1e-9);
}

TEST_F(TransformDialogs, BoxCoxCloseBoxUndoesPreview) {
  const std::vector<double> nile = ReadDataFile("nile.txt");
  project = ImportedProject(nile);
  MoveSlider(3);
  MoveSlider(7);
  Event(EventType::CloseDialog);
  EXPECT_FALSE(Play(RunBoxCoxDialog));
  EXPECT_EQ(refreshes, 3);
  EXPECT_TRUE(project.transforms.empty());
  for (int t = 0; t < 100; ++t) EXPECT_NEAR(project.series[t], nile[t], 1e-9);
}

TEST_F(TransformDialogs, BoxCoxCancelKeepsPreview) {
  const std::vector<double> nile = ReadDataFile("nile.txt");
  project = ImportedProject(nile);
  MoveSlider(5);
  MoveSlider(5);  // same position: nothing new to apply
  Click(kIdCancel);
  EXPECT_TRUE(Play(RunBoxCoxDialog));
  EXPECT_EQ(refreshes, 1);
  ASSERT_EQ(project.transforms.size(), 1u);
  EXPECT_EQ(project.transforms.back().lambda, 0.5);
  EXPECT_NEAR(project.series[0], 2 * (std::sqrt(nile[0]) - 1), 1e-9);
}

TEST_F(TransformDialogs, BoxCoxOkWithoutPreviewAppliesNothing) {
  project = ImportedProject(ReadDataFile("nile.txt"));
  Click(kIdOk);
  EXPECT_FALSE(Play(RunBoxCoxDialog));
  EXPECT_TRUE(project.transforms.empty());
  EXPECT_EQ(refreshes, 0);
}

TEST_F(TransformDialogs, BoxCoxRefusesNegativeData) {
  project = ImportedProject({1.0, -0.5, 0.0});
  AnswerMessage();
  EXPECT_FALSE(Play(RunBoxCoxDialog));
  EXPECT_EQ(recorder.Messages(),
            std::vector<std::string>{"KORA::Tarn Error: Data must be nonnegative to implement Box-Cox"});
  EXPECT_TRUE(recorder.opened.empty());
  EXPECT_TRUE(project.transforms.empty());
}

TEST_F(TransformDialogs, SubsequenceKeepsRangeAndUndoRestores) {
  const std::vector<double> nile = ReadDataFile("nile.txt");
  project = ImportedProject(nile);
  Type(kSubsequenceMinField, "11");
  Type(kSubsequenceMaxField, "90");
  Click(kIdOk);
  EXPECT_TRUE(Play(RunSubsequenceDialog));
  EXPECT_EQ(project.firstIndex, 11);
  EXPECT_EQ(project.lastIndex, 90);
  EXPECT_EQ(project.count(), 80);
  EXPECT_EQ(refreshes, 1);
  const auto& opened = recorder.opened.at(0);
  EXPECT_EQ(ControlOf(opened, kSubsequenceMinField).text, "1");
  EXPECT_EQ(ControlOf(opened, kSubsequenceMaxField).text, "100");
  ASSERT_TRUE(UndoTopStep(project));
  EXPECT_EQ(project.series, nile);
  EXPECT_EQ(project.firstIndex, 1);
  EXPECT_EQ(project.lastIndex, 100);
}

TEST_F(TransformDialogs, SubsequenceRejectsBadRangesUntilCancel) {
  project = ImportedProject(ReadDataFile("nile.txt"));
  ASSERT_TRUE(PushDifference(project, 1));  // indices 2..100
  for (auto [lo, hi] : std::vector<std::pair<std::string, std::string>>{
           {"50", "50"}, {"1", "50"}, {"2", "101"}, {"x", "40"}, {"60", "40"}}) {
    Type(kSubsequenceMinField, lo);
    Type(kSubsequenceMaxField, hi);
    Click(kIdOk);
    AnswerMessage();
  }
  Click(kIdCancel);
  const std::vector<double> before = project.series;
  EXPECT_FALSE(Play(RunSubsequenceDialog));
  EXPECT_EQ(recorder.Messages(),
            std::vector<std::string>(5, "KORA::Tarn Error: Select a subsequence in [2,100]"));
  EXPECT_EQ(recorder.opened.size(), 6u);
  EXPECT_EQ(ControlOf(recorder.opened.back(), kSubsequenceMinField).text, "2");
  EXPECT_EQ(project.series, before);
  EXPECT_EQ(project.transforms.size(), 1u);
  EXPECT_EQ(refreshes, 0);
}

}  // namespace
}  // namespace kora
