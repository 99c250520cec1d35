// Windows and not losing work: the question to save before a project closes,
// the state it asks about, an Open whose file dialog is cancelled, and new
// windows becoming active.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/application.h"
#include "app/command_ids.h"
#include "platform/event_queue.h"
#include "project/project_fingerprint.h"
#include "recording_observer.h"

namespace kora {
namespace {

using platform::EventType;

using Questions = testing::RecordingObserver;

UserEvent E(EventType type, int number = 0, std::string text = {}) {
  UserEvent e;
  e.type = type;
  e.number = e.control.id = number;
  e.text = std::move(text);
  return e;
}

// An application that plays events as they are given; a modal window left
// waiting when they run out ends the test with InputEnded.
struct Desk {
  platform::EventQueue events;
  Questions questions;
  Platform ui{events, questions};
  Application app{ui};

  Desk() { events.Close(); }
  void Play(std::vector<UserEvent> list) {
    for (auto& e : list) events.Push(std::move(e));
    while (auto e = events.Next()) app.OnFrameEvent(*e);
    EXPECT_TRUE(events.rejections.empty()) << events.rejections.front();
  }
  void NewWithData() {
    Play({E(EventType::Command, cmd::kNewProject), E(EventType::Click, platform::kIdOk),
          E(EventType::SetClipboard, 0, "1\r\n2\r\n6\r\n"), E(EventType::Command, cmd::kImportClipboard)});
  }
};

TEST(ClosingProjects, ChangesSinceTheLastSaveAreWhatTheQuestionAsksAbout) {
  Desk d;
  d.Play({E(EventType::Command, cmd::kNewProject), E(EventType::Click, platform::kIdOk)});
  UnivariateProject& project = *d.app.CurrentUnivariate();
  EXPECT_FALSE(HasUnsavedChanges(project));  // nothing to lose yet
  d.Play({E(EventType::SetClipboard, 0, "1\r\n2\r\n6\r\n"), E(EventType::Command, cmd::kImportClipboard)});
  EXPECT_TRUE(d.app.anyUnsaved);
  MarkSaved(project);
  d.Play({E(EventType::Command, cmd::kSubtractMean)});
  EXPECT_TRUE(d.app.anyUnsaved);
  d.Play({E(EventType::Command, cmd::kUndo)});
  EXPECT_FALSE(d.app.anyUnsaved);  // back to what was saved
  project.model.arOrder = 1;
  project.model.phi[0] = 0.5;
  EXPECT_TRUE(HasUnsavedChanges(project));
}

TEST(ClosingProjects, CloseAsksToSaveAndCancelKeepsEverything) {
  Desk d;
  d.NewWithData();
  d.NewWithData();
  d.questions.shown.clear();
  // Close All: Cancel at the second project's question closes nothing.
  d.Play({E(EventType::Command, cmd::kCloseAll), E(EventType::Yes), E(EventType::No), E(EventType::Cancel)});
  EXPECT_EQ(d.questions.Texts(),
            (std::vector<std::string>{"Close all projects ?", "Save changes to New Univariate Project ?",
                                      "Save changes to New Univariate Project ?"}));
  EXPECT_EQ(d.app.registry.HighestSlot(), 2);

  // Close, Yes: saved through Save As, then closed; the other project is
  // current and its window the active one.
  const auto file = std::filesystem::temp_directory_path() / "kora_closing_test.KRA";
  std::filesystem::remove(file);
  d.Play({E(EventType::Command, cmd::kCloseProject), E(EventType::Yes), E(EventType::Yes),
          E(EventType::File, 0, file.string())});
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(d.app.registry[2].kind, kNoProject);
  EXPECT_EQ(d.app.current, 1);
  EXPECT_EQ(d.ui.Window(d.ui.Focused())->ownerSlot, 1);
  std::filesystem::remove(file);

  // A cancelled Save As keeps the project open.
  d.Play({E(EventType::Command, cmd::kCloseProject), E(EventType::Yes), E(EventType::Yes),
          E(EventType::Cancel)});
  EXPECT_EQ(d.app.registry[1].kind, kUnivariate);
  d.Play({E(EventType::Command, cmd::kCloseProject), E(EventType::Yes), E(EventType::No)});
  EXPECT_EQ(d.app.registry.HighestSlot(), 0);
  EXPECT_EQ(d.app.current, 0);
}

TEST(ClosingProjects, OpenCancelledLeavesNoEmptyProject) {
  Desk d;
  d.NewWithData();
  const WindowId active = d.ui.Focused();
  d.Play({E(EventType::Command, cmd::kOpenProject), E(EventType::Click, platform::kIdOk),
          E(EventType::Cancel), E(EventType::Command, cmd::kOpenProject), E(EventType::Radio, 1002),
          E(EventType::Click, platform::kIdOk), E(EventType::Cancel)});
  EXPECT_EQ(d.app.registry.HighestSlot(), 1);
  EXPECT_EQ(d.app.current, 1);
  EXPECT_EQ(d.ui.Focused(), active);
  EXPECT_EQ(d.ui.Windows().size(), 1u);
}

TEST(ClosingProjects, AReportACommandOpensBecomesTheActiveWindow) {
  Desk d;
  d.NewWithData();
  d.Play({E(EventType::Command, cmd::kArmaInfinity)});
  EXPECT_EQ(d.ui.Title(d.ui.Focused()), "AR/MA Infinity: New Univariate Project");
  // A command that opens nothing leaves the active window alone.
  d.Play({E(EventType::Command, cmd::kNextWindow)});
  const WindowId next = d.ui.Focused();
  d.Play({E(EventType::Command, cmd::kArmaInfinity)});
  EXPECT_EQ(d.ui.Focused(), next);
}

}  // namespace
}  // namespace kora
