// The one platform observer of the tests: it records what the user was shown
// (messages and their answers, dialogs as they opened, changed and closed,
// windows made and closed, clipboard changes, inspection output).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kora::testing {

struct RecordingObserver : platform::PlatformObserver {
  std::vector<platform::MessageBoxState> shown;               // every message box as it was shown
  std::vector<platform::EventType> answers;                   // the answer to each message box
  std::vector<std::string> dialogs;                           // the title of each dialog as it opened
  std::vector<std::vector<platform::Control>> opened;         // controls of each dialog as it opened
  std::vector<std::vector<platform::Control>> changed;        // controls of a dialog at each change
  std::vector<platform::Control> closedControls;              // controls of the last dialog as it closed
  std::vector<std::string> seen;                              // "message TEXT", "open TITLE", "close TITLE"
  std::vector<std::string> windowsCreated, windowsDestroyed;  // titles
  int clipboardChanges = 0;
  std::string output;

  // "caption: text" of every message shown.
  std::vector<std::string> Messages() const {
    std::vector<std::string> lines;
    for (const auto& m : shown) lines.push_back(m.caption + ": " + m.text);
    return lines;
  }
  // The control of that id in each recorded dialog state that has one
  // (states: opened or changed).
  static std::vector<platform::Control> ControlIn(const std::vector<std::vector<platform::Control>>& states,
                                                  int id) {
    std::vector<platform::Control> found;
    for (const auto& controls : states)
      for (const auto& c : controls)
        if (c.id == id) found.push_back(c);
    return found;
  }
  // Its label in each of them.
  static std::vector<std::string> LabelsIn(const std::vector<std::vector<platform::Control>>& states,
                                           int id) {
    std::vector<std::string> labels;
    for (const auto& c : ControlIn(states, id)) labels.push_back(c.label);
    return labels;
  }
  // The text alone of every message shown.
  std::vector<std::string> Texts() const {
    std::vector<std::string> lines;
    for (const auto& m : shown) lines.push_back(m.text);
    return lines;
  }

  void MessageShown(const platform::MessageBoxState& m) override {
    shown.push_back(m);
    seen.push_back("message " + m.text);
  }
  void MessageAnswered(const platform::MessageBoxState&, platform::EventType answer) override {
    answers.push_back(answer);
  }
  void DialogOpened(const platform::Dialog& d) override {
    dialogs.push_back(d.title());
    opened.push_back(d.controls());
    seen.push_back("open " + d.title());
  }
  void DialogChanged(const platform::Dialog& d) override { changed.push_back(d.controls()); }
  void DialogClosed(const platform::Dialog& d) override {
    closedControls = d.controls();
    seen.push_back("close " + d.title());
  }
  void WindowCreated(const platform::ChildWindow& w) override { windowsCreated.push_back(w.title); }
  void WindowDestroyed(const platform::ChildWindow& w) override { windowsDestroyed.push_back(w.title); }
  void ClipboardChanged() override { ++clipboardChanges; }
  void Output(const std::string& text) override { output += text; }
};

}  // namespace kora::testing
