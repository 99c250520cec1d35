#include "app/session_recorder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/application.h"
#include "app/command_ids.h"
#include "dialog_events.h"
#include "platform/event_queue.h"

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

std::string FileText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A session played through the recording source: delivered events become
// lines, refused ones and the saving itself do not, and the saved file holds them.
TEST(SessionRecorder, SavesTheDeliveredEventsAsAScript) {
  platform::EventQueue queue;
  SessionRecorder recorder(queue);
  std::vector<std::string> messages;
  struct Messages : platform::PlatformObserver {
    std::vector<std::string>* shown;
    void MessageShown(const platform::MessageBoxState& m) override {
      shown->push_back(m.caption + ": " + m.text);
    }
  } observer;
  observer.shown = &messages;
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
  EXPECT_EQ(messages, (std::vector<std::string>{"WriteSessionScript(): Cannot open file"}));
  const std::vector<std::string> expected = {"command file.new", R"(radio "Univariate")", R"(click "OK")",
                                             R"(mouse move "New" 6 0)"};
  EXPECT_EQ(recorder.lines(), expected);
  std::string text = FileText(path);
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.substr(text.find('\n') + 1),
            "command file.new\nradio \"Univariate\"\nclick \"OK\"\nmouse move \"New\" 6 0\n");
  std::remove(path.c_str());
}

}  // namespace
}  // namespace kora
