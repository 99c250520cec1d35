#include "app/picture_file.h"

#include <cctype>

namespace kora {

PictureFormat PictureFormatOf(std::string_view path) {
  if (path.size() < 4) return PictureFormat::kSvg;
  std::string end(path.substr(path.size() - 4));
  for (char& c : end) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return end == ".png" ? PictureFormat::kPng : PictureFormat::kSvg;
}

std::optional<std::string> DecodePng(std::string_view base64) {
  auto value = [](char c) -> int {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
  };
  while (!base64.empty() && base64.back() == '=') base64.remove_suffix(1);
  std::string out;
  out.reserve(base64.size() * 3 / 4);
  unsigned bits = 0;
  int count = 0;
  for (char c : base64) {
    const int v = value(c);
    if (v < 0) return std::nullopt;
    bits = (bits << 6) | static_cast<unsigned>(v);
    count += 6;
    if (count >= 8) {
      count -= 8;
      out += static_cast<char>((bits >> count) & 0xFF);
    }
  }
  static constexpr std::string_view kSignature{"\x89PNG\r\n\x1a\n", 8};
  if (out.size() < kSignature.size() || std::string_view(out).substr(0, 8) != kSignature) return std::nullopt;
  return out;
}

}  // namespace kora
