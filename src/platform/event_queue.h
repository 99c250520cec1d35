// A thread-safe queue of user events: server threads push, the application
// thread takes them in order. Also serves tests as a prepared event source.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/user_event.h"

namespace kora::platform {

class EventQueue : public EventSource {
 public:
  void Push(UserEvent event);
  // No more events will come: Next returns nothing once the queue is empty.
  void Close();
  std::optional<UserEvent> Next() override;
  void Reject(const UserEvent& event, const std::string& reason) override;

  // Called for every rejected event (by default they are collected).
  std::function<void(const UserEvent&, const std::string&)> onReject;
  std::vector<std::string> rejections;

  // Progress texts of the running computation are collected, and passed to
  // onProgress when set; RequestStop plays an Escape pressed while it runs.
  void ShowProgress(const std::string& statusText) override;
  bool StopRequested() override { return stopRequested_; }
  void RequestStop() { stopRequested_ = true; }
  std::function<void(const std::string&)> onProgress;
  std::vector<std::string> progress;

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<UserEvent> events_;
  bool closed_ = false;
  std::atomic<bool> stopRequested_ = false;
};

}  // namespace kora::platform
