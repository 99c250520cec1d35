#include "plot/limits_dialog.h"
#include "recording_observer.h"

#include <gtest/gtest.h>

#include "platform/event_queue.h"

namespace kora {
namespace {

using platform::ControlRef;
using platform::EventType;
using platform::UserEvent;

using Messages = testing::RecordingObserver;

UserEvent SetText(const std::string& label, const std::string& text) {
  UserEvent e{EventType::SetText};
  e.control = ControlRef{0, label};
  e.text = text;
  return e;
}

UserEvent Click(int id) {
  UserEvent e{EventType::Click};
  e.control = ControlRef{id, ""};
  return e;
}

UserEvent Plain(EventType type) { return UserEvent{type}; }

// Curves in panels 1 and 3 with hand-set ranges.
PlotWindow TwoPanelPlot() {
  PlotWindow plot;
  InitPlot(plot);
  SetCurve(plot, 1, {1, 2, 3}, 1, 3);
  SetCurve(plot, 2, {4, 5, 6}, 1, 3);
  SetCurvePanel(plot, 2, 3);
  PlotPanel& a = plot.panels[0];
  a.xMin = 0.5, a.xMax = 1234567, a.yMin = -0.25, a.yMax = 12.5;
  PlotPanel& b = plot.panels[2];
  b.xMin = -3, b.xMax = 3, b.yMin = 100, b.yMax = 200;
  return plot;
}

struct Session {
  platform::EventQueue queue;
  Messages observer;
  platform::Platform platform{queue, observer};
  explicit Session(std::vector<UserEvent> events) {
    for (auto& e : events) queue.Push(e);
    queue.Close();
  }
};

TEST(LimitsDialog, FieldsPreviewAndNextPlot) {
  PlotWindow plot = TwoPanelPlot();
  PlotLimitsDialog dialog(plot);
  EXPECT_EQ(dialog.panel(), 1);
  EXPECT_EQ(dialog.At(kIdLimitsXMin).text, "0.50000");
  EXPECT_EQ(dialog.At(kIdLimitsXMax).text, "1234600.");
  EXPECT_EQ(dialog.At(kIdLimitsYMin).text, "-0.25000");
  EXPECT_EQ(dialog.At(kIdLimitsYMax).text, "12.500");
  EXPECT_EQ(dialog.At(kIdLimitsPreview).picture.rfind("<svg", 0), 0u);
  EXPECT_NE(dialog.FindByLabel("Y Max"), nullptr);
  dialog.OnCommand(kIdLimitsNextPlot);
  EXPECT_EQ(dialog.panel(), 3);
  EXPECT_EQ(dialog.At(kIdLimitsXMin).text, "-3.0000");
  EXPECT_EQ(dialog.At(kIdLimitsYMax).text, "200.00");
  dialog.OnCommand(kIdLimitsNextPlot);
  EXPECT_EQ(dialog.panel(), 1);
}

TEST(LimitsDialog, OkSetsTheCurrentPanel) {
  PlotWindow plot = TwoPanelPlot();
  // Enter in a field only moves the focus to OK; the second Enter acts.
  UserEvent focus{EventType::Focus};
  focus.control = ControlRef{kIdLimitsXMin, ""};
  Session run({Click(kIdLimitsNextPlot), SetText("X Min", " 9 "), SetText("X Max", "-1"),
               SetText("Y Min", "2"), SetText("Y Max", "2"), focus, Plain(EventType::Enter),
               Plain(EventType::Enter)});
  PlotLimitsDialog dialog(plot);
  const PlotPanel first = plot.panels[0];
  EXPECT_EQ(run.platform.RunDialog(dialog), platform::kIdOk);
  EXPECT_EQ(plot.panels[2].xMin, -1);
  EXPECT_EQ(plot.panels[2].xMax, 9);
  // Equal limits 2 and 2 give 2..3.
  EXPECT_EQ(plot.panels[2].yMin, 2);
  EXPECT_EQ(plot.panels[2].yMax, 3);
  EXPECT_EQ(plot.panels[0].xMax, first.xMax);
  EXPECT_TRUE(run.observer.shown.empty());
  EXPECT_TRUE(run.queue.rejections.empty());
}

TEST(LimitsDialog, EnterInAFieldDoesNotClose) {
  PlotWindow plot = TwoPanelPlot();
  UserEvent focus{EventType::Focus};
  focus.control = ControlRef{kIdLimitsYMin, ""};
  Session run({SetText("Y Min", "-7"), focus, Plain(EventType::Enter), Plain(EventType::Escape)});
  PlotLimitsDialog dialog(plot);
  EXPECT_EQ(run.platform.RunDialog(dialog), platform::kIdCancel);
  EXPECT_EQ(plot.panels[0].yMin, -0.25);
  EXPECT_TRUE(run.queue.rejections.empty());
}

TEST(LimitsDialog, BadFieldKeepsTheDialogOpen) {
  PlotWindow plot = TwoPanelPlot();
  const PlotPanel before = plot.panels[0];
  Session run({SetText("X Min", "1"), SetText("Y Max", "12x"), Click(platform::kIdOk), Plain(EventType::Ok),
               Plain(EventType::Escape)});
  PlotLimitsDialog dialog(plot);
  EXPECT_EQ(run.platform.RunDialog(dialog), platform::kIdCancel);
  ASSERT_EQ(run.observer.shown.size(), 1u);
  EXPECT_EQ(run.observer.shown[0].caption, "KORA::Tarn Error");
  EXPECT_EQ(run.observer.shown[0].text, "Error reading dialog-item");
  EXPECT_EQ(dialog.focus(), kIdLimitsYMax);
  EXPECT_EQ(plot.panels[0].xMin, before.xMin);
  EXPECT_EQ(plot.panels[0].yMax, before.yMax);
  EXPECT_TRUE(run.queue.rejections.empty());
}

TEST(LimitsDialog, CancelCloseAndNoPanel) {
  PlotWindow plot = TwoPanelPlot();
  const PlotPanel before = plot.panels[0];
  for (EventType end : {EventType::Escape, EventType::CloseDialog}) {
    Session run({SetText("X Min", "5"), Plain(end)});
    RunPlotLimitsDialog(run.platform, plot);
    EXPECT_EQ(plot.panels[0].xMin, before.xMin);
  }
  // A plot without curves: no dialog at all (an open one would wait for input).
  PlotWindow empty;
  InitPlot(empty);
  Session run({});
  RunPlotLimitsDialog(run.platform, empty);
  EXPECT_TRUE(run.queue.rejections.empty());
}

}  // namespace
}  // namespace kora
