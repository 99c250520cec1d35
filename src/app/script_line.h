// The script line that plays a user event again: the inverse of
// ParseScriptLine, in command names, control labels and window titles.
#pragma once

#include <optional>
#include <string>

#include "platform/dialog.h"
#include "platform/user_event.h"

namespace kora {

// What a line needs of the desktop at the moment the event arrives.
struct ScriptLineContext {
  std::string windowTitle;             // of the window the event names by id
  platform::Dialog* dialog = nullptr;  // the dialog that takes the event
  int windowRank = 1;                  // which of the windows with that title it is (from 1)
};

// The line, or nothing for events that change nothing worth replaying
// (inspection) or that cannot be named (a control the dialog does not have).
std::optional<std::string> ScriptLine(const platform::UserEvent& event, const ScriptLineContext& context);

// A word in double quotes, with '"' and '\' escaped by '\'.
std::string QuotedWord(const std::string& text);

}  // namespace kora
