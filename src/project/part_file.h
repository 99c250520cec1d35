// The part-structured file that Open accepts besides the project file: a
// sequence of parts, each an int32 kind and an int32 size (the whole part,
// its 8-byte tag included). The header part (9923: int32 part count) must
// come first; the data part (9924: int32 n, n reals) holds the series; other
// parts are passed over.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/file_error.h"

namespace kora {

inline constexpr int kHeaderPart = 9923;
inline constexpr int kDataPart = 9924;

struct PartFileResult {
  enum Status { NotPartFile, Read, Failed } status = NotPartFile;
  std::vector<double> values;  // the data part's series, with Read
  int partCount = 0;           // the header's part count (0 unless the header was read)
  std::optional<FileError> error;
};

// NotPartFile, without a message, when the first tag cannot be read or is not
// the header's, and when no data part follows (Open then tries the project
// file and the text reader).
// Failed: "Cannot open file" ("FindPart()"); "KORA file corrupt"
// ("ReadHeaderPart()") when the header's count is missing; "File corrupt"
// ("ReadDataPart()") when a part's size is below 8 or reaches beyond the
// file before the data part is found, or its values are missing;
// "Memory allocation error." ("ERROR") for a negative value count.
PartFileResult ReadPartFile(const std::string& path);

// A header part (count 2) and a data part holding the values.
// Errors: "Cannot open file" / "Cannot write to file" ("WritePartFile()").
std::optional<FileError> WritePartFile(const std::string& path, const std::vector<double>& values);

}  // namespace kora
