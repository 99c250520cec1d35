#include "platform/web/web_event_source.h"

#include <vector>

namespace kora::platform {

namespace {
const char kShuttingDown[] = "the workbench is shutting down";
}

void WebEventSource::Submit(UserEvent event, AnswerFn answer) {
  std::unique_lock lock(mutex_);
  EventAnswer now{true, "", seq_};
  if (shutdown_) {
    now = {false, kShuttingDown, seq_};
  } else if (event.type == EventType::Escape && !progress_.empty()) {
    stopRequested_ = true;
  } else {
    queue_.push_back({std::move(event), std::move(answer)});
    eventsReady_.notify_one();
    return;
  }
  lock.unlock();
  answer(now);
}

WebEventSource::Published WebEventSource::Latest() {
  std::lock_guard lock(mutex_);
  return {seq_, snapshot_, progress_.empty() ? 0 : progressSerial_, progress_};
}

void WebEventSource::Told() {
  if (onPublished) onPublished();
}

void WebEventSource::Shutdown() {
  std::vector<AnswerFn> unanswered;
  {
    std::lock_guard lock(mutex_);
    if (shutdown_) return;
    shutdown_ = true;
    if (taken_) unanswered.push_back(std::move(taken_->answer));
    taken_.reset();
    for (auto& pending : queue_) unanswered.push_back(std::move(pending.answer));
    queue_.clear();
    eventsReady_.notify_all();
  }
  for (auto& answer : unanswered) answer({false, kShuttingDown, 0});
  Told();
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
  auto snapshot = std::make_shared<const std::string>(buildSnapshot ? buildSnapshot(seq) : std::string("{}"));
  {
    std::lock_guard lock(mutex_);
    seq_ = seq;
    snapshot_ = std::move(snapshot);
  }
  Told();
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
  if (taken_) {
    AnswerFn answer = std::move(taken_->answer);
    const EventAnswer result{takenError_.empty(), takenError_, seq_};
    taken_.reset();
    takenError_.clear();
    lock.unlock();
    answer(result);
    lock.lock();
  }
  eventsReady_.wait(lock, [&] { return shutdown_ || !queue_.empty(); });
  if (shutdown_) return std::nullopt;
  taken_ = std::move(queue_.front());
  queue_.pop_front();
  return taken_->event;
}

void WebEventSource::Reject(const UserEvent& event, const std::string& reason) {
  std::lock_guard lock(mutex_);
  if (takenError_.empty()) takenError_ = reason;
}

void WebEventSource::ShowProgress(const std::string& statusText) {
  const auto now = std::chrono::steady_clock::now();
  {
    std::lock_guard lock(mutex_);
    const bool first = progress_.empty();
    progress_ = statusText.empty() ? " " : statusText;
    if (!first && now - progressShownAt_ < std::chrono::milliseconds(50)) return;
    progressShownAt_ = now;
    ++progressSerial_;
  }
  Told();
}

bool WebEventSource::StopRequested() { return stopRequested_ || shutDown(); }

}  // namespace kora::platform
