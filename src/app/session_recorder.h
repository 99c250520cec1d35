// Records what the user does as script lines, at the one place every user
// event passes: the application thread taking it from its source. A line is
// kept once the event was delivered; a refused event leaves no line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kora {

class SessionRecorder : public platform::EventSource {
 public:
  explicit SessionRecorder(platform::EventSource& source) : source_(source) {}
  // The desktop whose dialogs and windows give the lines their labels and titles.
  void Watch(platform::Platform& ui) { ui_ = &ui; }

  // Every call goes on to the recorded source (a new method of EventSource must too).
  std::optional<platform::UserEvent> Next() override;
  void Reject(const platform::UserEvent& event, const std::string& reason) override;
  void ShowProgress(const std::string& statusText) override { source_.ShowProgress(statusText); }
  bool StopRequested() override { return source_.StopRequested(); }

  // The lines of the events delivered so far, without the one being handled.
  const std::vector<std::string>& lines() const { return lines_; }

  // Leaves the event being handled, and every event taken while the guard
  // lives, out of the record (saving the record is no part of it).
  class LeaveOut {
   public:
    explicit LeaveOut(SessionRecorder& recorder) : recorder_(recorder) {
      recorder_.pending_.reset();
      ++recorder_.leftOut_;
    }
    ~LeaveOut() { --recorder_.leftOut_; }
    LeaveOut(const LeaveOut&) = delete;
    LeaveOut& operator=(const LeaveOut&) = delete;

   private:
    SessionRecorder& recorder_;
  };

 private:
  struct Line {
    std::string text;
    std::string movedIn;  // for a mouse move: the title of its window
  };
  std::optional<Line> LineFor(const platform::UserEvent& event);

  platform::EventSource& source_;
  platform::Platform* ui_ = nullptr;
  std::vector<std::string> lines_;
  std::optional<Line> pending_;  // the line of the event being handled
  std::string lastMovedIn_;      // the last line is a mouse move in this window
  int leftOut_ = 0;
};

}  // namespace kora
