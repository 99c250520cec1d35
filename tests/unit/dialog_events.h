// User events on the controls of a dialog, for tests that play them.
#pragma once

#include <string>
#include <utility>

#include "platform/user_event.h"

namespace kora::testing {

inline platform::UserEvent ControlEvent(platform::EventType type, int control = 0, std::string text = {},
                                        int number = 0) {
  platform::UserEvent e;
  e.type = type;
  e.control.id = control;
  e.text = std::move(text);
  e.number = number;
  return e;
}

}  // namespace kora::testing
