// The desktop's window arrangement and its Yes/No/Cancel question.
#include <gtest/gtest.h>

#include "dialog_events.h"
#include "platform/event_queue.h"
#include "platform/platform.h"

namespace kora::platform {
namespace {

struct Desktop {
  EventQueue events;
  PlatformObserver quiet;
  Platform ui{events, quiet};
  std::vector<WindowId> Open(int count) {
    std::vector<WindowId> ids;
    for (int i = 0; i < count; ++i) ids.push_back(ui.CreateWindow(kPlotWindow, "w" + std::to_string(i), 1));
    return ids;
  }
};

TEST(DesktopWindows, NextWindowVisitsEveryWindowInTurn) {
  Desktop d;
  auto w = d.Open(3);
  d.ui.Activate(w[0]);
  std::vector<WindowId> forward, backward;
  for (int i = 0; i < 4; ++i) {
    d.ui.ActivateNext(false);
    forward.push_back(d.ui.Focused());
  }
  for (int i = 0; i < 3; ++i) {
    d.ui.ActivateNext(true);
    backward.push_back(d.ui.Focused());
  }
  EXPECT_EQ(forward, (std::vector<WindowId>{w[2], w[1], w[0], w[2]}));
  EXPECT_EQ(backward, (std::vector<WindowId>{w[0], w[1], w[2]}));
}

TEST(DesktopWindows, TileAndCascadeKeepEveryFrameInsideTheDesktop) {
  Desktop d;
  d.ui.SetClientSize(1000, 600);
  d.ui.SetFrameSize(8, 30);
  auto two = d.Open(2);
  d.ui.Activate(two[1]);
  d.ui.Tile();
  const ChildWindow& left = *d.ui.Window(two[1]);
  const ChildWindow& right = *d.ui.Window(two[0]);
  // Side by side, the active window on the left, each the full height.
  EXPECT_EQ(left.x, 0);
  EXPECT_EQ(right.x, 500);
  EXPECT_EQ(left.y, right.y);
  EXPECT_EQ(right.width, 492);
  EXPECT_EQ(right.height, 570);

  auto many = d.Open(18);
  d.ui.Cascade();
  for (const ChildWindow* w : d.ui.Windows()) {
    EXPECT_LE(w->x + w->width + 8, 1000) << w->title;
    EXPECT_LE(w->y + w->height + 30, 600) << w->title;
  }
  d.ui.Tile();
  for (const ChildWindow* w : d.ui.Windows()) {
    EXPECT_LE(w->x + w->width + 8, 1000) << w->title;
    EXPECT_LE(w->y + w->height + 30, 600) << w->title;
  }
}

TEST(DesktopWindows, TheThreeButtonQuestionTakesEscapeAsCancel) {
  Desktop d;
  for (EventType answer :
       {EventType::Yes, EventType::No, EventType::Cancel, EventType::Escape, EventType::Ok})
    d.events.Push(kora::testing::ControlEvent(answer));
  d.events.Push(kora::testing::ControlEvent(EventType::Yes));
  EXPECT_EQ(d.ui.AskYesNoCancel("KORA", "q"), Answer::Yes);
  EXPECT_EQ(d.ui.AskYesNoCancel("KORA", "q"), Answer::No);
  EXPECT_EQ(d.ui.AskYesNoCancel("KORA", "q"), Answer::Cancel);
  EXPECT_EQ(d.ui.AskYesNoCancel("KORA", "q"), Answer::Cancel);
  // OK is not among its buttons: refused, and Yes answers.
  EXPECT_EQ(d.ui.AskYesNoCancel("KORA", "q"), Answer::Yes);
  EXPECT_EQ(d.events.rejections.size(), 1u);
}

}  // namespace
}  // namespace kora::platform
