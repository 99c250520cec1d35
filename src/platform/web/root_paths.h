// The folder the file dialogs browse (the root) as the page sees it: which
// paths it may name, and the folder listings it shows. Kept apart from the
// HTTP server, which calls these for /api/files and for `file` events.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

namespace kora::platform {

// Whether a path given by the page leads to a place inside the root: it is
// relative, no component climbs out, no link leads out, its final link
// included (also one to a file that does not exist yet, which a save would
// create outside). A name that only stands for a file whose real name is not
// UTF-8 (the escaped name FolderListing shows) is refused as well, so that
// such a file is never taken for another one of that spelling.
bool PathInsideRoot(const std::filesystem::path& root, const std::string& relative);

// The answer to /api/files for the folder `dir` (relative to the root):
// {"dir": dir, "entries": [{"name", "dir", "size"}...]}, at most 5000 entries.
// A name that is not UTF-8 is shown with each byte that does not fit written
// \xNN, and its entry carries "odd": true; such a file cannot be opened by the
// shown name. Nothing when the folder cannot be read.
std::optional<nlohmann::json> FolderListing(const std::filesystem::path& root, const std::string& dir);

}  // namespace kora::platform
