#include "project/part_file.h"

#include <cstdint>

#include "project/binary_stream.h"

namespace kora {

namespace {

constexpr int64_t kTagSize = 8;

enum class Search { Found, Missing, Corrupt };

// Walks the parts from the start of the file up to the first one of the
// wanted kind and leaves the reader after its tag. A size that cannot be a
// part's (below the tag's own size, or past the end of the file) ends the
// walk as corrupt rather than looping or seeking blindly.
Search FindPart(BinaryReader& in, int kind) {
  if (!in.Seek(0)) return Search::Missing;
  int32_t partKind, size;
  while (in.ReadInt32(partKind) && in.ReadInt32(size)) {
    if (partKind == kind) return Search::Found;
    int64_t partEnd = in.Position() - kTagSize + size;
    if (size < kTagSize || partEnd > in.Position() + in.Remaining()) return Search::Corrupt;
    if (!in.Seek(partEnd)) return Search::Corrupt;
  }
  return Search::Missing;
}

PartFileResult Failure(PartFileResult result, const char* caption, const char* text) {
  result.status = PartFileResult::Failed;
  result.values.clear();
  result.error = FileError{caption, text};
  return result;
}

}  // namespace

PartFileResult ReadPartFile(const std::string& path) {
  PartFileResult result;
  BinaryReader in(path);
  if (!in.IsOpen()) return Failure(result, "FindPart()", "Cannot open file");
  int32_t firstKind;
  if (!in.ReadInt32(firstKind) || firstKind != kHeaderPart) return result;

  int32_t count;
  if (FindPart(in, kHeaderPart) != Search::Found || !in.ReadInt32(count))
    return Failure(result, "ReadHeaderPart()", "KORA file corrupt");
  result.partCount = count;

  Search search = FindPart(in, kDataPart);
  if (search == Search::Missing) return result;
  int32_t n;
  if (search == Search::Corrupt || !in.ReadInt32(n)) return Failure(result, "ReadDataPart()", "File corrupt");
  if (n < 0) return Failure(result, "ERROR", "Memory allocation error.");
  if (!in.ReadDoubles(n, result.values)) return Failure(result, "ReadDataPart()", "File corrupt");
  result.status = PartFileResult::Read;
  return result;
}

std::optional<FileError> WritePartFile(const std::string& path, const std::vector<double>& values) {
  BinaryWriter out(path);
  if (!out.IsOpen()) return FileError{"WritePartFile()", "Cannot open file"};
  out.WriteInt32(kHeaderPart);
  out.WriteInt32(12);
  out.WriteInt32(2);
  out.WriteInt32(kDataPart);
  out.WriteInt32(static_cast<int32_t>(12 + 8 * values.size()));
  out.WriteInt32(static_cast<int32_t>(values.size()));
  out.WriteDoubles(values, values.size());
  if (!out.Close()) return FileError{"WritePartFile()", "Cannot write to file"};
  return std::nullopt;
}

}  // namespace kora
