#include <gtest/gtest.h>

#include "dialog_events.h"
#include "recording_observer.h"

#include <filesystem>
#include <fstream>

#include "platform/event_queue.h"
#include "platform/platform.h"

namespace kora::platform {
namespace {

// Records what a user would see.
using Recorder = testing::RecordingObserver;

UserEvent Ev(EventType type, int control = 0, std::string text = {}, int number = 0) {
  return kora::testing::ControlEvent(type, control, std::move(text), number);
}

// A dialog that logs its handler calls and refuses "bad" in field 10 when it loses the focus.
class LoggingDialog : public Dialog {
 public:
  LoggingDialog() : Dialog("Log") {
    Add(EditField(10, "Value:", ""));
    Add(EditField(11, "Other:", ""));
    Add(CheckBox(12, "Flag", false));
    Add(RadioButton(13, "A", 1, true));
    Add(RadioButton(14, "B", 1, false));
    Add(ListBox(15, "Items", {"one", "two"}, 0));
    auto& greyed = Add(PushButton(16, "Greyed"));
    greyed.enabled = false;
    Add(PushButton(kIdOk, "OK"));
    Add(PushButton(kIdCancel, "Cancel"));
  }
  std::vector<std::string> log;
  void OnCommand(int id) override {
    log.push_back("command " + std::to_string(id));
    Dialog::OnCommand(id);
  }
  void OnChange(int id) override { log.push_back("change " + std::to_string(id)); }
  void OnLoseFocus(int id) override {
    log.push_back("lose " + std::to_string(id));
    if (id == 10 && At(10).text == "bad") {
      platform->Message("Err", "bad value");
      SetFocus(10);
    }
  }
  void OnSelect(int id) override { log.push_back("select " + std::to_string(At(id).selected)); }
};

TEST(PlatformDialog, EventsReachHandlersInTheDesktopsOrder) {
  EventQueue events;
  Recorder recorder;
  Platform ui(events, recorder);
  LoggingDialog dialog;
  events.Push(Ev(EventType::SetText, 10, "bad"));
  events.Push(Ev(EventType::Click, kIdOk));  // lose-focus refuses: the click does not press OK
  events.Push(Ev(EventType::Ok));
  events.Push(Ev(EventType::SetText, 10, "good"));
  events.Push(Ev(EventType::Radio, 14));
  events.Push(Ev(EventType::Select, 15, {}, 2));
  events.Push(Ev(EventType::Select, 15, {}, 3));  // no such entry: rejected
  events.Push(Ev(EventType::Click, 16));          // greyed: rejected
  events.Push(Ev(EventType::Enter));  // focus not on a button: Enter is OK without moving the focus
  events.Close();
  EXPECT_EQ(ui.RunDialog(dialog), kIdOk);
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"change 10", "lose 10", "change 10", "lose 10", "command 14",
                                                  "select 1", "command 1"}));
  EXPECT_EQ(dialog.focus(), 14);
  EXPECT_TRUE(dialog.Find(14)->checked);
  EXPECT_FALSE(dialog.Find(13)->checked);
  EXPECT_EQ(events.rejections.size(), 2u);
  EXPECT_EQ(recorder.seen, (std::vector<std::string>{"open Log", "message bad value", "close Log"}));
}

TEST(PlatformDialog, ButtonsEnterEscapeAndCloseBox) {
  EventQueue events;
  Recorder recorder;
  Platform ui(events, recorder);
  {
    LoggingDialog dialog;
    events.Push(Ev(EventType::Focus, kIdCancel));
    events.Push(Ev(EventType::Enter));  // Enter on a focused button presses that button
    EXPECT_EQ(ui.RunDialog(dialog), kIdCancel);
  }
  {
    LoggingDialog dialog;
    events.Push(Ev(EventType::Check, 12, {}, 1));
    events.Push(Ev(EventType::Escape));
    EXPECT_EQ(ui.RunDialog(dialog), kIdCancel);
    EXPECT_TRUE(dialog.Find(12)->checked);
  }
  {
    LoggingDialog dialog;
    events.Push(Ev(EventType::CloseDialog));
    EXPECT_EQ(ui.RunDialog(dialog), kIdCancel);
  }
  // Frame events and message answers do not reach a dialog.
  {
    LoggingDialog dialog;
    events.Push(Ev(EventType::Command, 0, {}, 40091));
    events.Push(Ev(EventType::Yes));
    events.Push(Ev(EventType::Click, kIdOk));
    EXPECT_EQ(ui.RunDialog(dialog), kIdOk);
    EXPECT_EQ(events.rejections.size(), 2u);
  }
  // The event source ends while the dialog is open.
  LoggingDialog dialog;
  events.Close();
  EXPECT_THROW(ui.RunDialog(dialog), InputEnded);
}

TEST(PlatformDialog, ControlsAreFoundByLabel) {
  LoggingDialog dialog;
  EXPECT_EQ(dialog.FindByLabel(" Value: ")->id, 10);
  EXPECT_EQ(dialog.FindByLabel("OK")->id, kIdOk);
  EXPECT_EQ(dialog.FindByLabel("nothing"), nullptr);
}

TEST(PlatformFiles, FileDialogsCheckWhatTheyAreGiven) {
  const auto dir = std::filesystem::temp_directory_path() / "kora_platform_test";
  std::filesystem::create_directories(dir);
  const std::string existing = (dir / "there.KRA").string();
  std::ofstream(existing) << "x";
  EventQueue events;
  Recorder recorder;
  Platform ui(events, recorder);

  FileDialogOptions open;
  open.title = "Open file";
  open.mustExist = true;
  events.Push(Ev(EventType::File, 0, (dir / "missing.txt").string()));  // refused: not there
  events.Push(Ev(EventType::File, 0, existing));
  EXPECT_EQ(ui.ChooseFile(open), existing);
  EXPECT_EQ(events.rejections.size(), 1u);

  FileDialogOptions save;
  save.save = true;
  save.title = "Save KORA file";
  save.defaultExtension = "KRA";
  save.overwritePrompt = true;
  events.Push(Ev(EventType::File, 0, (dir / "there").string()));  // there.KRA exists: asked
  events.Push(Ev(EventType::No));
  events.Push(Ev(EventType::File, 0, (dir / "new").string()));
  EXPECT_EQ(ui.ChooseFile(save), (dir / "new.KRA").string());
  events.Push(Ev(EventType::Cancel));
  EXPECT_EQ(ui.ChooseFile(save), std::nullopt);
  std::filesystem::remove_all(dir);
}

TEST(PlatformWindows, ClosingTheActiveWindowActivatesTheNext) {
  EventQueue events;
  Recorder recorder;
  Platform ui(events, recorder);
  WindowId a = ui.CreateWindow(kPlotWindow, "a", 1);
  WindowId b = ui.CreateWindow(kPlotWindow, "b", 2);
  WindowId c = ui.CreateWindow(kReportWindow, "c", 2);
  ui.Activate(a);
  ui.Activate(c);
  ui.Minimize(a);
  ui.DestroyWindow(c);
  // a was in front of b but is minimised: b becomes active.
  EXPECT_EQ(ui.Focused(), b);
  ui.DestroyWindow(b);
  EXPECT_EQ(ui.Focused(), 0);
  EXPECT_FALSE(ui.Exists(b));
  EXPECT_TRUE(ui.Exists(a));
}

}  // namespace
}  // namespace kora::platform
