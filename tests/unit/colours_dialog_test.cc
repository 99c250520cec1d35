#include "plot/colours_dialog.h"

#include <gtest/gtest.h>

#include "dialog_events.h"

#include "platform/event_queue.h"
#include "plot/plot_window.h"

namespace kora {
namespace {

using platform::EventType;
using platform::UserEvent;

UserEvent Ev(EventType type, int control = 0, int number = 0, std::string text = {}) {
  return testing::ControlEvent(type, control, std::move(text), number);
}

struct ColoursFixture : ::testing::Test {
  void TearDown() override { Colours() = DefaultColours(); }
  int repaints = 0;
  // Plays the events; the dialog must have closed when they run out.
  void Run(std::vector<UserEvent> list) {
    platform::EventQueue events;
    platform::PlatformObserver quiet;
    platform::Platform ui{events, quiet};
    for (auto& e : list) events.Push(std::move(e));
    events.Close();
    EXPECT_NO_THROW(RunColoursDialog(ui, [this] { ++repaints; }));
  }
};

TEST_F(ColoursFixture, AChosenColourTakesEffectAtOnceAndOkKeepsIt) {
  Run({Ev(EventType::Radio, 1410),                      // "#1"
       Ev(EventType::Click, kChooseColourButton),        // the chooser opens with #1 preset
       Ev(EventType::Select, 1453, 5),                   // custom colour: grey 64
       Ev(EventType::Click, 1),
       Ev(EventType::Focus, 1410),
       Ev(EventType::Enter),                             // OK without the focus: the focus moves to OK
       Ev(EventType::Enter)});
  EXPECT_EQ(Colours()[0], Rgb(64, 64, 64));
  EXPECT_EQ(Colours()[1], DefaultColours()[1]);
  EXPECT_EQ(repaints, 2);  // after the choice and at OK
}

TEST_F(ColoursFixture, CancelRestoresTheSevenEntriesAndTheCloseBoxKeepsThem) {
  Run({Ev(EventType::Radio, 1416),  // "Background"
       Ev(EventType::Click, kChooseColourButton), Ev(EventType::SetText, 1450, 0, "10"),
       Ev(EventType::SetText, 1451, 0, "300"),  // not a colour value: OK keeps the chooser open
       Ev(EventType::Click, 1), Ev(EventType::SetText, 1451, 0, "20"), Ev(EventType::Click, 1),
       Ev(EventType::Click, 2)});
  EXPECT_EQ(Colours()[10], DefaultColours()[10]);
  Run({Ev(EventType::Radio, 1416), Ev(EventType::Click, kChooseColourButton), Ev(EventType::SetText, 1450, 0, "10"),
       Ev(EventType::Click, 1), Ev(EventType::CloseDialog)});
  EXPECT_EQ(Colours()[10], Rgb(10, 255, 255));
  // Choose Color with no choice selected only repaints.
  const ColourTable before = Colours();
  repaints = 0;
  Run({Ev(EventType::Click, kChooseColourButton), Ev(EventType::CloseDialog)});
  EXPECT_EQ(Colours(), before);
  EXPECT_EQ(repaints, 1);
}

}  // namespace
}  // namespace kora
