#include <gtest/gtest.h>

#include "dialog_events.h"
#include "recording_observer.h"

#include "platform/event_queue.h"
#include "platform/platform.h"
#include "stats/periodogram.h"
#include "stats/spectrum_smoothing_dialog.h"
#include "reference_data.h"

namespace kora {
namespace {

using platform::EventType;

using Log = testing::RecordingObserver;

class SpectrumSmoothingDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    project.series = testing::ReadDataFile("nile.txt");
    project.periodogram = Periodogram(project.series);
  }
  void Push(EventType type, int id = 0, std::string text = "", int number = 0) {
    queue.Push(testing::ControlEvent(type, id, std::move(text), number));
  }
  int Run() {
    queue.Close();
    SpectrumSmoothingDialog dialog(project, [this] { ++redraws; });
    const int result = ui.RunDialog(dialog);
    EXPECT_TRUE(queue.rejections.empty()) << queue.rejections.front();
    closed = dialog.controls();
    return result;
  }
  const platform::Control& Closed(int id) {
    for (const auto& c : closed)
      if (c.id == id) return c;
    throw std::logic_error("no control");
  }
  platform::EventQueue queue;
  Log log;
  platform::Platform ui{queue, log};
  UnivariateProject project;
  std::vector<platform::Control> closed;
  int redraws = 0;
};

TEST_F(SpectrumSmoothingDialogs, RejectsBadCountsAndOrdersThenSmoothsOnOk) {
  Push(EventType::SetText, kDaniellCountField, "51");
  Push(EventType::Ok);
  Push(EventType::SetText, kDaniellCountField, "2");
  Push(EventType::SetText, kDaniellOrderField, "101");
  Push(EventType::Ok);
  Push(EventType::SetText, kDaniellOrderField, "1");
  Push(EventType::Select, kDaniellFilterList, "", 2);
  Push(EventType::SetText, kDaniellOrderField, "1");
  Push(EventType::Click, platform::kIdOk);
  EXPECT_EQ(Run(), platform::kIdOk);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{"KORA::Error: Number of Daniell filters must be from 0 to 50",
                                                    "KORA::Error: Invalid index, must be less than AR Order = 100"}));
  EXPECT_TRUE(project.showSmoothed);
  EXPECT_EQ(project.daniellFilterCount, 2);
  ASSERT_EQ(project.daniellWeights.size(), 3u);
  EXPECT_EQ(project.smoothedPeriodogram.size(), 51u);
  EXPECT_EQ(Closed(kDaniellLargestLabel).label, "0.33333");
  EXPECT_EQ(Closed(kDaniellLowLabel).label, "-3");
  EXPECT_EQ(Closed(kDaniellHighLabel).label, "3");
  EXPECT_EQ(Closed(kDaniellFilterList).items, (std::vector<std::string>{"1", "2"}));
}

TEST_F(SpectrumSmoothingDialogs, CancelRestoresTheFiltersAndTheSmoothedArray) {
  // With no filters the list reads "None" and is greyed.
  {
    SpectrumSmoothingDialog opened(project, [] {});
    EXPECT_EQ(opened.At(kDaniellFilterList).items, std::vector<std::string>{"None"});
    EXPECT_FALSE(opened.At(kDaniellOrderField).enabled);
  }
  Push(EventType::SetText, kDaniellCountField, "1");
  Push(EventType::SetText, kDaniellOrderField, "3");
  Push(EventType::Click, kDaniellApply);
  Push(EventType::Click, platform::kIdCancel);
  EXPECT_EQ(Run(), platform::kIdCancel);
  EXPECT_EQ(project.daniellFilterCount, 0);
  EXPECT_EQ(project.daniellOrders[0], 0);
  EXPECT_TRUE(project.smoothedPeriodogram.empty());
  EXPECT_FALSE(project.showSmoothed);
  EXPECT_EQ(redraws, 2);  // the applied preview, then the restored state
}

}  // namespace
}  // namespace kora
