// The one way the program writes a file: the bytes go to a temporary file in
// the target's folder, which is flushed to disk and renamed over the target
// only when every byte is there. A write error, a full disk, the file-size
// limit or a kill at any moment leaves the previous file byte for byte (a kill
// may leave the hidden temporary file ".NAME.XXXXXX" beside it). The new file
// keeps the permissions of the one it replaces; a link is followed, so the
// file it leads to is replaced and the link stays.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kora {

class AtomicFile {
 public:
  enum class Status { Written, CannotOpen, CannotWrite };

  // Creates the temporary file; CannotOpen when the target is a folder, a
  // file the user may not write, or in a folder that does not exist or takes
  // no new files.
  explicit AtomicFile(const std::string& path);
  // Removes the temporary file when Commit was not called.
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  // Buffered; a failure is remembered and reported by Commit.
  void Write(const void* bytes, size_t count);
  // Flushes, syncs and renames over the target. The status of the whole write.
  Status Commit();

 private:
  bool Flush();

  std::string target_;
  std::string temporary_;
  int fd_ = -1;
  bool failed_ = false;
  std::vector<char> buffer_;
};

}  // namespace kora
