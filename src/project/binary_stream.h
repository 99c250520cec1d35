// Little-endian binary files of int32 values and IEEE doubles, the byte
// order of the project and part files on every host. The reader knows the
// size of its file and refuses any count of values that the bytes left
// cannot hold, so a corrupt count never turns into a huge allocation.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "project/atomic_file.h"

namespace kora {

class BinaryReader {
 public:
  explicit BinaryReader(const std::string& path);
  ~BinaryReader();
  BinaryReader(const BinaryReader&) = delete;
  BinaryReader& operator=(const BinaryReader&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  int64_t Remaining() const { return size_ - position_; }
  int64_t Position() const { return position_; }

  // Each returns false, leaving the output alone, when the bytes are missing
  // or cannot be read.
  bool ReadInt32(int32_t& value);
  bool ReadDouble(double& value);
  // count values; false without allocating when count is negative or larger
  // than the rest of the file.
  bool ReadDoubles(int64_t count, std::vector<double>& values);
  // Moves to an absolute offset inside the file (the end included).
  bool Seek(int64_t offset);

 private:
  bool ReadBytes(unsigned char* bytes, size_t count);

  std::FILE* file_ = nullptr;
  int64_t size_ = 0;
  int64_t position_ = 0;
};

// Replaces the file only when Close succeeds (see atomic_file.h).
class BinaryWriter {
 public:
  explicit BinaryWriter(const std::string& path) : file_(path) {}

  bool IsOpen() const { return file_.IsOpen(); }
  void WriteInt32(int32_t value);
  void WriteDouble(double value);
  // Exactly count values: those of the vector, then zeros if it holds fewer.
  void WriteDoubles(const std::vector<double>& values, size_t count);
  // Puts the file in place; true when every write succeeded.
  bool Close() { return file_.Commit() == AtomicFile::Status::Written; }

 private:
  void WriteBytes(const unsigned char* bytes, size_t count) { file_.Write(bytes, count); }

  AtomicFile file_;
};

}  // namespace kora
