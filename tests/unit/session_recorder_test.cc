#include "app/session_recorder.h"

#include <gtest/gtest.h>

#include <fstream>

#include "app/application.h"
#include "app/command_ids.h"
#include "app/script_reader.h"
#include "dialog_events.h"
#include "platform/event_queue.h"
#include "recording_observer.h"

namespace kora {
namespace {

using platform::EventType;
using platform::UserEvent;
using testing::ControlEvent;

UserEvent Command(int id) { return ControlEvent(EventType::Command, 0, {}, id); }

UserEvent InWindow(EventType type, std::string title, int x = 0) {
  UserEvent e = ControlEvent(type, 0, std::move(title), 1);
  e.x = x;
  return e;
}

// The action lines of a script file (comments left out).
std::vector<std::string> ScriptActions(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> actions;
  for (std::string line; std::getline(in, line);)
    if (!line.starts_with("#")) actions.push_back(line);
  return actions;
}

// A session played through the recording source: delivered events become
// lines, refused ones and the saving itself do not, and the saved file holds them.
TEST(SessionRecorder, SavesTheDeliveredEventsAsAScript) {
  platform::EventQueue queue;
  SessionRecorder recorder(queue);
  testing::RecordingObserver observer;
  platform::Platform ui(recorder, observer);
  recorder.Watch(ui);
  Application app(ui);
  app.session = &recorder;

  const std::string path = ::testing::TempDir() + "session.kora";
  std::remove(path.c_str());
  for (UserEvent e :
       {Command(cmd::kNewProject), ControlEvent(EventType::Radio, 1001),
        ControlEvent(EventType::Click, 99),  // no such control: refused
        ControlEvent(EventType::Click, platform::kIdOk), InWindow(EventType::Activate, "no such window"),
        InWindow(EventType::MouseMove, "New", 5), InWindow(EventType::MouseMove, "New", 6),
        Command(cmd::kSaveSessionScript), ControlEvent(EventType::File, 0, path),
        Command(cmd::kSaveSessionScript), ControlEvent(EventType::File, 0, "no/such/folder/x.kora"),
        ControlEvent(EventType::Ok)})
    queue.Push(e);
  queue.Close();
  ui.Run();

  EXPECT_EQ(queue.rejections.size(), 2u);
  EXPECT_EQ(observer.Messages(), (std::vector<std::string>{"WriteSessionScript(): Cannot open file"}));
  const std::vector<std::string> expected = {"command file.new", R"(radio "Univariate")", R"(click "OK")",
                                             R"(mouse move "New" 6 0)"};
  EXPECT_EQ(recorder.lines(), expected);
  EXPECT_EQ(ScriptActions(path), expected);
  std::remove(path.c_str());
}

// Windows of one title are told apart by their rank: the script activates
// the same window the user clicked.
TEST(SessionRecorder, NamesWindowsOfOneTitleByRank) {
  struct Desk {
    platform::EventQueue queue;
    SessionRecorder recorder{queue};
    platform::PlatformObserver quiet;
    platform::Platform ui{recorder, quiet};
    Application app{ui};
    void Play(const std::vector<UserEvent>& events) {
      recorder.Watch(ui);
      for (const auto& e : events) queue.Push(e);
      queue.Close();
      ui.Run();
    }
  };
  auto activate = [](platform::WindowId id) {
    UserEvent e = ControlEvent(EventType::Activate);
    e.window = id;
    return e;
  };
  Desk session;
  const UserEvent ok = ControlEvent(EventType::Click, platform::kIdOk);
  session.Play({Command(cmd::kNewProject), ok, Command(cmd::kNewProject), ok, activate(1), activate(2)});
  const std::vector<std::string>& lines = session.recorder.lines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[5], R"(activate "New Univariate Project" #2)");

  for (size_t played : {lines.size() - 1, lines.size()}) {
    Desk replay;
    std::vector<UserEvent> events;
    for (size_t i = 0; i < played; ++i) events.push_back(ParseScriptLine(lines[i], static_cast<int>(i + 1)));
    replay.Play(events);
    EXPECT_TRUE(replay.queue.rejections.empty());
    EXPECT_EQ(replay.app.current, played == lines.size() ? 2 : 1);
  }
}

}  // namespace
}  // namespace kora
