#include "platform/event_queue.h"

namespace kora::platform {

void EventQueue::Push(UserEvent event) {
  {
    std::lock_guard lock(mutex_);
    events_.push_back(std::move(event));
  }
  ready_.notify_one();
}

void EventQueue::Close() {
  {
    std::lock_guard lock(mutex_);
    closed_ = true;
  }
  ready_.notify_all();
}

std::optional<UserEvent> EventQueue::Next() {
  stopRequested_ = false;  // the computation that was running has ended
  std::unique_lock lock(mutex_);
  ready_.wait(lock, [&] { return closed_ || !events_.empty(); });
  if (events_.empty()) return std::nullopt;
  UserEvent event = std::move(events_.front());
  events_.pop_front();
  return event;
}

void EventQueue::Reject(const UserEvent& event, const std::string& reason) {
  if (onReject)
    onReject(event, reason);
  else
    rejections.push_back(reason);
}

void EventQueue::ShowProgress(const std::string& statusText) {
  progress.push_back(statusText);
  if (onProgress) onProgress(statusText);
}

}  // namespace kora::platform
