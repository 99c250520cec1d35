// Where a path finally leads: the symbolic links of its last component are
// followed, a link to a file that does not exist yet included, and its folder
// is made canonical. Writers replace that file (so a link stays a link), and
// the file dialogs' root check looks at it (so a link cannot lead out).
#pragma once

#include <filesystem>
#include <system_error>

namespace kora::platform {

// An absolute path; empty with ec set when the links cannot be read or loop.
std::filesystem::path FinalTarget(const std::filesystem::path& path, std::error_code& ec);

}  // namespace kora::platform
