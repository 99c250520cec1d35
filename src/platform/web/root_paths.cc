#include "platform/web/root_paths.h"

#include <algorithm>
#include <cstdio>

#include "platform/link_target.h"

namespace kora::platform {

namespace fs = std::filesystem;

namespace {

constexpr size_t kLongestPath = 4096;
constexpr size_t kMostEntries = 5000;

// The length of the UTF-8 sequence at text[i] (RFC 3629: no overlong forms,
// no surrogates, nothing above U+10FFFF), or 0 when it is not one.
size_t Utf8SequenceLength(const std::string& text, size_t i) {
  const auto byte = [&](size_t k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : 0u; };
  const unsigned c = byte(i);
  const auto continuation = [&](size_t k, unsigned low = 0x80, unsigned high = 0xBF) {
    return byte(k) >= low && byte(k) <= high;
  };
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) return continuation(i + 1) ? 2 : 0;
  if (c >= 0xE0 && c <= 0xEF) {
    const unsigned low = c == 0xE0 ? 0xA0 : 0x80, high = c == 0xED ? 0x9F : 0xBF;
    return continuation(i + 1, low, high) && continuation(i + 2) ? 3 : 0;
  }
  if (c >= 0xF0 && c <= 0xF4) {
    const unsigned low = c == 0xF0 ? 0x90 : 0x80, high = c == 0xF4 ? 0x8F : 0xBF;
    return continuation(i + 1, low, high) && continuation(i + 2) && continuation(i + 3) ? 4 : 0;
  }
  return 0;
}

// The name with every byte that is not part of a UTF-8 character written \xNN.
std::string Escaped(const std::string& name, bool& odd) {
  std::string out;
  odd = false;
  for (size_t i = 0; i < name.size();) {
    if (const size_t length = Utf8SequenceLength(name, i)) {
      out.append(name, i, length);
      i += length;
      continue;
    }
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(name[i]));
    out += hex;
    odd = true;
    ++i;
  }
  return out;
}

// Whether a file of the folder has a name that is not UTF-8 and is shown as `name`.
bool StandsForOddName(const fs::path& folder, const std::string& name) {
  if (name.find("\\x") == std::string::npos) return false;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    bool odd = false;
    if (Escaped(entry.path().filename().string(), odd) == name && odd) return true;
  }
  return false;
}

bool Within(const fs::path& base, const fs::path& full) {
  auto [baseEnd, fullIt] = std::mismatch(base.begin(), base.end(), full.begin(), full.end());
  return baseEnd == base.end();
}

}  // namespace

bool PathInsideRoot(const fs::path& root, const std::string& relative) {
  if (relative.empty() || relative.size() > kLongestPath) return false;
  const fs::path p(relative);
  if (p.is_absolute() || p.has_root_name()) return false;
  std::error_code ec;
  const fs::path base = fs::canonical(root, ec);
  if (ec) return false;
  // The parent folder is resolved with its links, then the final link is followed.
  const fs::path full = FinalTarget(base / p, ec);
  if (ec || !Within(base, full)) return false;
  return !StandsForOddName(full.parent_path(), full.filename().string());
}

std::optional<nlohmann::json> FolderListing(const fs::path& root, const std::string& dir) {
  std::error_code ec;
  nlohmann::json entries = nlohmann::json::array();
  for (const auto& entry : fs::directory_iterator(root / dir, ec)) {
    std::error_code ignored;
    const bool isDir = entry.is_directory(ignored);
    bool odd = false;
    nlohmann::json item = {{"name", Escaped(entry.path().filename().string(), odd)},
                           {"dir", isDir},
                           {"size", isDir ? 0 : static_cast<long long>(entry.file_size(ignored))}};
    if (odd) item["odd"] = true;
    entries.push_back(std::move(item));
    if (entries.size() >= kMostEntries) break;
  }
  if (ec) return std::nullopt;
  bool oddDir = false;
  return nlohmann::json{{"dir", dir == "." ? "" : Escaped(dir, oddDir)}, {"entries", std::move(entries)}};
}

}  // namespace kora::platform
