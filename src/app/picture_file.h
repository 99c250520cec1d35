// The files a plot picture is saved to: the format a name asks for, and the
// PNG data the page sends, checked before anything is written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kora {

enum class PictureFormat { kSvg, kPng };

// PNG for a name ending in ".png" (any case), SVG otherwise.
PictureFormat PictureFormatOf(std::string_view path);

// The bytes of a base64 text when they are a PNG file (its signature first);
// nothing for anything else.
std::optional<std::string> DecodePng(std::string_view base64);

}  // namespace kora
