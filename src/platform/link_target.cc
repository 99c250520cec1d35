#include "platform/link_target.h"

namespace kora::platform {

namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinkHops = 40;  // as the kernel's own limit on a path's links

}  // namespace

fs::path FinalTarget(const fs::path& path, std::error_code& ec) {
  ec.clear();
  fs::path current = fs::absolute(path, ec);
  if (ec) return {};
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    const fs::path name = current.filename();
    // A path ending in "." or ".." (or a slash) names a folder; its links are
    // all resolved by the canonical form.
    if (name.empty() || name == "." || name == "..") return fs::weakly_canonical(current, ec);
    const fs::path folder = fs::weakly_canonical(current.parent_path(), ec);
    if (ec) return {};
    const fs::path candidate = folder / name;
    std::error_code statusError;
    if (!fs::is_symlink(fs::symlink_status(candidate, statusError))) return candidate;
    const fs::path link = fs::read_symlink(candidate, ec);
    if (ec) return {};
    current = link.is_absolute() ? link : folder / link;
  }
  ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
  return {};
}

}  // namespace kora::platform
