// The web back end's event source. Server threads submit events with a
// callback for their answer; the application thread takes them one by one.
// Each time the application thread comes back for the next event, everything
// it took before has been handled: the snapshot of the desktop is rebuilt and
// published, and the submitter is answered.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/user_event.h"

namespace kora::platform {

struct EventAnswer {
  bool ok = true;
  std::string error;
  uint64_t seq = 0;  // the snapshot that shows the result
};

class WebEventSource : public EventSource {
 public:
  // Builds the JSON snapshot of the desktop; called on the application thread.
  std::function<std::string(uint64_t seq)> buildSnapshot;
  // Told, on the thread that published, whenever a snapshot or a progress
  // text is new or the source shuts down. Set before events flow.
  std::function<void()> onPublished;

  using AnswerFn = std::function<void(EventAnswer)>;
  // Any thread: queues an event; `answer` is called once it has been handled
  // (on the application thread), or at once when it need not wait.
  void Submit(UserEvent event, AnswerFn answer);

  struct Published {
    uint64_t seq = 0;
    std::shared_ptr<const std::string> snapshot;
    uint64_t progressSerial = 0;  // 0: no computation shows progress now
    std::string progress;
  };
  Published Latest();
  void Shutdown();
  bool shutDown();

  // Application thread.
  std::optional<UserEvent> Next() override;
  void Reject(const UserEvent& event, const std::string& reason) override;
  // Publishes a fresh snapshot now (also done at every Next).
  void Publish();
  // While the application thread computes: the status text is published at
  // once (at most every 50 ms), and an Escape that arrives meanwhile is
  // answered at once and only asks the computation to stop.
  void ShowProgress(const std::string& statusText) override;
  bool StopRequested() override;

 private:
  struct Pending {
    UserEvent event;
    AnswerFn answer;
  };
  void Told();

  std::mutex mutex_;
  std::condition_variable eventsReady_;
  std::deque<Pending> queue_;
  std::optional<Pending> taken_;  // the event the application thread is handling
  std::string takenError_;
  uint64_t seq_ = 0;
  std::shared_ptr<const std::string> snapshot_ = std::make_shared<const std::string>("{}");
  bool shutdown_ = false;
  uint64_t progressSerial_ = 0;
  std::string progress_;  // empty while no computation shows progress
  std::chrono::steady_clock::time_point progressShownAt_;
  std::atomic<bool> stopRequested_ = false;
};

}  // namespace kora::platform
