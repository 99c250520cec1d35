// The headless back end's event source: one user action per script line.
#pragma once

#include <functional>
#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/user_event.h"

namespace kora {

// A script line that cannot be read or delivered; ends the run with code 2.
struct ScriptError : std::runtime_error {
  ScriptError(int line, const std::string& what)
      : std::runtime_error("line " + std::to_string(line) + ": " + what), line(line) {}
  int line;
};

// Parses one action line (without comments or blank lines) into an event;
// throws ScriptError for a line that is not an action.
platform::UserEvent ParseScriptLine(const std::string& line, int lineNumber);

class ScriptEventSource : public platform::EventSource {
 public:
  // echo receives each action line as it is taken, for the transcript.
  ScriptEventSource(std::istream& in, std::function<void(const std::string&)> echo);
  std::optional<platform::UserEvent> Next() override;
  void Reject(const platform::UserEvent& event, const std::string& reason) override;

 private:
  std::istream& in_;
  std::function<void(const std::string&)> echo_;
  int lineNumber_ = 0;
};

}  // namespace kora
