// Small string helpers shared across the program.
#pragma once

#include <string>
#include <string_view>

namespace kora {

std::string_view Trim(std::string_view s);
std::string_view TrimRight(std::string_view s);
bool StartsWith(std::string_view s, std::string_view prefix);

}  // namespace kora
