// The web back end's event source. Server threads submit events and wait for
// their answer; the application thread takes them one by one. Each time the
// application thread comes back for the next event, everything it took before
// has been handled: the snapshot of the desktop is rebuilt and published, and
// the waiting submitters are answered.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
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

  // Server threads: queue an event and wait until it has been handled (or the
  // source is shut down). The answer says whether it could be delivered.
  EventAnswer Submit(UserEvent event);
  // The newest snapshot and its number; waits up to timeoutMs for one newer than `after`.
  std::pair<uint64_t, std::string> WaitSnapshot(uint64_t after, int timeoutMs);
  std::pair<uint64_t, std::string> Snapshot();
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
  // The newest progress text of the running computation and its number (0: none).
  std::pair<uint64_t, std::string> Progress();

 private:
  struct Pending {
    UserEvent event;
    uint64_t ticket;
  };
  std::mutex mutex_;
  std::condition_variable eventsReady_, answered_, snapshotReady_;
  std::deque<Pending> queue_;
  uint64_t nextTicket_ = 1;
  uint64_t takenTicket_ = 0;     // the event the application thread is handling
  uint64_t answeredTicket_ = 0;  // every ticket up to this one is answered
  std::string takenError_;
  std::map<uint64_t, EventAnswer> answers_;
  uint64_t seq_ = 0;
  std::string snapshot_;
  bool shutdown_ = false;
  uint64_t progressSerial_ = 0;
  std::string progress_;  // empty while no computation shows progress
  std::chrono::steady_clock::time_point progressShownAt_;
  std::atomic<bool> stopRequested_ = false;
};

}  // namespace kora::platform
