#include "platform/web/web_event_source.h"

#include <chrono>

namespace kora::platform {

EventAnswer WebEventSource::Submit(UserEvent event) {
  std::unique_lock lock(mutex_);
  if (shutdown_) return {false, "the workbench is shutting down", seq_};
  if (event.type == EventType::Escape && !progress_.empty()) {
    stopRequested_ = true;
    return {true, "", seq_};
  }
  const uint64_t ticket = nextTicket_++;
  queue_.push_back({std::move(event), ticket});
  eventsReady_.notify_one();
  answered_.wait(lock, [&] { return shutdown_ || answeredTicket_ >= ticket; });
  auto it = answers_.find(ticket);
  if (it == answers_.end()) return {false, "the workbench is shutting down", seq_};
  EventAnswer answer = it->second;
  answers_.erase(it);
  return answer;
}

std::pair<uint64_t, std::string> WebEventSource::WaitSnapshot(uint64_t after, int timeoutMs) {
  std::unique_lock lock(mutex_);
  snapshotReady_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return shutdown_ || seq_ > after; });
  return {seq_, snapshot_};
}

std::pair<uint64_t, std::string> WebEventSource::Snapshot() {
  std::lock_guard lock(mutex_);
  return {seq_, snapshot_};
}

void WebEventSource::Shutdown() {
  std::lock_guard lock(mutex_);
  shutdown_ = true;
  eventsReady_.notify_all();
  answered_.notify_all();
  snapshotReady_.notify_all();
}

bool WebEventSource::shutDown() {
  std::lock_guard lock(mutex_);
  return shutdown_;
}

void WebEventSource::Publish() {
  uint64_t seq;
  {
    std::lock_guard lock(mutex_);
    seq = seq_ + 1;
  }
  // Built outside the lock: only the application thread touches the desktop.
  std::string snapshot = buildSnapshot ? buildSnapshot(seq) : std::string("{}");
  std::lock_guard lock(mutex_);
  seq_ = seq;
  snapshot_ = std::move(snapshot);
  snapshotReady_.notify_all();
}

std::optional<UserEvent> WebEventSource::Next() {
  {
    // The computation that was running (if any) has ended.
    std::lock_guard lock(mutex_);
    progress_.clear();
    stopRequested_ = false;
  }
  Publish();
  std::unique_lock lock(mutex_);
  if (takenTicket_ != 0) {
    answers_[takenTicket_] = {takenError_.empty(), takenError_, seq_};
    answeredTicket_ = takenTicket_;
    takenTicket_ = 0;
    takenError_.clear();
    answered_.notify_all();
  }
  eventsReady_.wait(lock, [&] { return shutdown_ || !queue_.empty(); });
  if (shutdown_) return std::nullopt;
  Pending next = std::move(queue_.front());
  queue_.pop_front();
  takenTicket_ = next.ticket;
  return next.event;
}

void WebEventSource::Reject(const UserEvent& event, const std::string& reason) {
  std::lock_guard lock(mutex_);
  if (takenError_.empty()) takenError_ = reason;
}

void WebEventSource::ShowProgress(const std::string& statusText) {
  const auto now = std::chrono::steady_clock::now();
  std::lock_guard lock(mutex_);
  const bool first = progress_.empty();
  progress_ = statusText.empty() ? " " : statusText;
  if (!first && now - progressShownAt_ < std::chrono::milliseconds(50)) return;
  progressShownAt_ = now;
  ++progressSerial_;
  snapshotReady_.notify_all();
}

bool WebEventSource::StopRequested() { return stopRequested_ || shutDown(); }

std::pair<uint64_t, std::string> WebEventSource::Progress() {
  std::lock_guard lock(mutex_);
  return {progress_.empty() ? 0 : progressSerial_, progress_};
}

}  // namespace kora::platform
