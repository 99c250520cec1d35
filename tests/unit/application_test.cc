#include "app/application.h"

#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/multivariate_menus.h"
#include "platform/event_queue.h"

namespace kora {
namespace {

using platform::EventType;
using platform::UserEvent;

UserEvent Ev(EventType type, int number = 0, std::string text = {}) {
  UserEvent e;
  e.type = type;
  e.number = number;
  e.text = std::move(text);
  if (type == EventType::Radio || type == EventType::Click) e.control.id = number;
  return e;
}

// Plays events through a fresh application and keeps it for inspection.
struct Desk {
  platform::EventQueue events;
  platform::PlatformObserver quiet;
  Platform ui{events, quiet};
  Application app{ui};

  void Play(std::vector<UserEvent> list) {
    for (auto& e : list) events.Push(std::move(e));
    // The queue stays open: run until it is empty by closing a copy of the loop.
    events.Close();
    ui.Run();
  }
  bool Enabled(int id) const {
    const MenuItem* item = app.shownMenuBar().Find(id);
    return item && item->enabled;
  }
  bool PopupEnabled(int position) const { return app.shownMenuBar().popups.at(position).enabled; }
};

std::vector<UserEvent> NewProject(bool multivariate = false) {
  std::vector<UserEvent> e{Ev(EventType::Command, cmd::kNewProject)};
  if (multivariate) e.push_back(Ev(EventType::Radio, 1002));
  e.push_back(Ev(EventType::Click, 1));
  return e;
}

TEST(Application, StartsWithTheResourceStateOfTheMenus) {
  Desk d;
  d.Play({});
  EXPECT_FALSE(d.Enabled(cmd::kImportFile));
  EXPECT_FALSE(d.Enabled(cmd::kImportClipboard));
  EXPECT_FALSE(d.Enabled(cmd::kExport));
  EXPECT_FALSE(d.Enabled(cmd::kUndo));
  EXPECT_TRUE(d.Enabled(cmd::kNewProject));
  EXPECT_EQ(d.app.status[0], "NONE");
  EXPECT_EQ(d.app.toolbar.size(), 6u);
  // Project commands are ignored without a project; program commands work.
  EXPECT_EQ(d.app.current, 0);
}

TEST(Application, MenusFollowTheProjectAndItsData) {
  Desk d;
  auto events = NewProject();
  d.Play(events);
  // An empty univariate project.
  EXPECT_EQ(d.app.current, 1);
  EXPECT_FALSE(d.PopupEnabled(kTarnTransform));
  EXPECT_TRUE(d.PopupEnabled(kTarnModel));
  EXPECT_FALSE(d.Enabled(cmd::kPreliminary));
  EXPECT_FALSE(d.Enabled(cmd::kSampleModelAcf));
  EXPECT_TRUE(d.Enabled(cmd::kSpecifyModel));
  EXPECT_FALSE(d.PopupEnabled(kTarnStatistics));
  EXPECT_TRUE(d.PopupEnabled(kTarnSmooth));
  EXPECT_TRUE(d.PopupEnabled(kTarnSpectrum));
  EXPECT_FALSE(d.Enabled(cmd::kPeriodogram));
  EXPECT_TRUE(d.Enabled(cmd::kModelSpectrum));
  EXPECT_FALSE(d.app.Reachable(cmd::kCumulativeBoth));
  EXPECT_FALSE(d.Enabled(cmd::kPrint));
  EXPECT_TRUE(d.Enabled(cmd::kImportClipboard));
  EXPECT_EQ(d.app.toolbar.size(), 32u);  // the fixed part, the univariate tail and Autofit
  EXPECT_EQ(d.app.status[0], "New Univariate Project");
  EXPECT_EQ(d.app.status[1], "None");

  // A greyed command cannot be given: Subtract Mean does nothing without data.
  Desk e;
  auto more = NewProject();
  more.push_back(Ev(EventType::Command, cmd::kSubtractMean));
  more.push_back(Ev(EventType::SetClipboard, 0, "1\r\n2\r\n4\r\n8\r\n"));
  more.push_back(Ev(EventType::Command, cmd::kImportClipboard));
  more.push_back(Ev(EventType::Command, cmd::kSubtractMean));
  e.Play(more);
  UnivariateProject& project = *e.app.CurrentUnivariate();
  ASSERT_EQ(project.transforms.size(), 1u);
  EXPECT_EQ(project.series, (std::vector<double>{-2.75, -1.75, 0.25, 4.25}));
  EXPECT_TRUE(e.PopupEnabled(kTarnTransform));
  EXPECT_TRUE(e.Enabled(cmd::kPeriodogram));
  EXPECT_FALSE(e.Enabled(cmd::kLogSpectrum));  // no spectrum window
  EXPECT_TRUE(e.Enabled(cmd::kPrint));
  EXPECT_FALSE(e.Enabled(cmd::kSubtractMean));
  EXPECT_EQ(e.app.shownMenuBar().Find(cmd::kUndo)->text, "Undo Subtract Mean");
  EXPECT_EQ(e.app.status[1], "Subtract Mean");
}

TEST(Application, ActivatingAWindowSwitchesProjectMenuBarAndToolbar) {
  Desk d;
  auto events = NewProject();
  for (auto& e : NewProject(true)) events.push_back(e);
  d.Play(events);
  EXPECT_EQ(d.app.current, 2);
  EXPECT_EQ(d.app.shownMenu, kShowMvMenu);
  EXPECT_EQ(d.app.toolbar.size(), FixedToolbar().size() + MultivariateToolbarTail().size());
  // The univariate-only commands are not offered by the multivariate frame.
  EXPECT_FALSE(d.app.Reachable(cmd::kSampleAcf));

  Desk e;
  events.push_back(Ev(EventType::Activate, 0, "New Univariate Project"));
  e.Play(events);
  EXPECT_EQ(e.app.current, 1);
  EXPECT_EQ(e.app.shownMenu, kShowTarnMenu);
  EXPECT_EQ(e.app.toolbar.size(), 32u);
}

TEST(Application, ClosingMakesTheHighestOccupiedSlotCurrent) {
  Desk d;
  std::vector<UserEvent> events;
  for (int k = 0; k < 7; ++k)
    for (auto& e : NewProject()) events.push_back(e);
  // Leave slots 2 and 7: close 1, 3, 4, 5, 6 by activating their main plots.
  for (int window : {1, 3, 4, 5, 6}) {
    UserEvent activate = Ev(EventType::Activate);
    activate.window = window;
    events.push_back(activate);
    events.push_back(Ev(EventType::Command, cmd::kCloseProject));
    events.push_back(Ev(EventType::Yes));
  }
  UserEvent activate = Ev(EventType::Activate);
  activate.window = 2;
  events.push_back(activate);
  events.push_back(Ev(EventType::Command, cmd::kCloseProject));
  events.push_back(Ev(EventType::Yes));
  d.Play(events);
  EXPECT_EQ(d.app.current, 7);
  EXPECT_EQ(d.app.registry.HighestSlot(), 7);
  EXPECT_EQ(d.app.registry.LowestFreeSlot(), 1);
}

}  // namespace
}  // namespace kora
