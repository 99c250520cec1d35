// The desktop as the page draws it: frame, child windows (with their
// paintings and texts), modal windows, and the clipboard, help and print
// requests, as one JSON document.
#pragma once

#include <cstdint>
#include <string>

namespace kora {

class Application;

struct SnapshotSerials {
  uint64_t clipboard = 0;
  uint64_t help = 0;
  std::string helpTopic;
  uint64_t print = 0;
  int printWindow = 0;
};

std::string BuildSnapshot(Application& app, const SnapshotSerials& serials, uint64_t seq);

}  // namespace kora
