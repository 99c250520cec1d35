// Opens an address in the user's desktop browser, as notebook servers do.
#pragma once

#include <string>

namespace kora {

// Only when a desktop session is there (DISPLAY or WAYLAND_DISPLAY) and
// xdg-open can be started; returns whether it was started. Does not wait.
bool OpenInBrowser(const std::string& address);

}  // namespace kora
