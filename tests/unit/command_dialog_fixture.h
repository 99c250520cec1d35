// A test that plays user events into the dialogs of a command run on one
// project, and records what they showed.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_events.h"
#include "platform/event_queue.h"
#include "platform/platform.h"
#include "project/univariate_project.h"
#include "recording_observer.h"

namespace kora::testing {

class CommandDialogFixture : public ::testing::Test {
 protected:
  void Event(platform::EventType type, int id = 0, std::string text = "") {
    queue.Push(ControlEvent(type, id, std::move(text)));
  }
  void Type(int id, std::string text) { Event(platform::EventType::SetText, id, std::move(text)); }
  void Click(int id) { Event(platform::EventType::Click, id); }
  // OK is refused with a message, which the user acknowledges.
  void Rejected() {
    Click(platform::kIdOk);
    Event(platform::EventType::Ok);
  }
  // After the command: every event reached the dialogs and none was left.
  void ExpectEveryEventTaken() {
    EXPECT_TRUE(queue.rejections.empty());
    EXPECT_FALSE(queue.Next().has_value()) << "events left over";
  }

  platform::EventQueue queue;
  RecordingObserver messages;
  platform::Platform ui{queue, messages};
  UnivariateProject project;
};

}  // namespace kora::testing
