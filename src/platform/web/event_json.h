// Reading a user event sent by the page as JSON.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "platform/user_event.h"

namespace kora::platform {

// The event, or the reason the text is not a valid event.
std::variant<UserEvent, std::string> ParseEventJson(std::string_view body);

}  // namespace kora::platform
