#include "project/binary_stream.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace kora {

namespace {

constexpr size_t kBlockValues = 8192;  // doubles moved per read or write call

uint64_t DecodeLittleEndian(const unsigned char* bytes, int count) {
  uint64_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
  return value;
}

void EncodeLittleEndian(uint64_t value, unsigned char* bytes, int count) {
  for (int i = 0; i < count; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

double DoubleFromBits(uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

uint64_t BitsOfDouble(double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

}  // namespace

BinaryReader::BinaryReader(const std::string& path) {
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) return;
  // A stream whose size cannot be told (not a regular file) counts as empty.
  if (fseeko(file_, 0, SEEK_END) == 0) {
    off_t end = ftello(file_);
    if (end > 0) size_ = end;
  }
  if (fseeko(file_, 0, SEEK_SET) != 0) size_ = 0;
}

BinaryReader::~BinaryReader() {
  if (file_ != nullptr) std::fclose(file_);
}

bool BinaryReader::ReadBytes(unsigned char* bytes, size_t count) {
  if (file_ == nullptr || static_cast<int64_t>(count) > Remaining()) return false;
  if (std::fread(bytes, 1, count, file_) != count) {
    position_ = size_;  // nothing more can be trusted
    return false;
  }
  position_ += static_cast<int64_t>(count);
  return true;
}

bool BinaryReader::ReadInt32(int32_t& value) {
  unsigned char bytes[4];
  if (!ReadBytes(bytes, 4)) return false;
  value = static_cast<int32_t>(static_cast<uint32_t>(DecodeLittleEndian(bytes, 4)));
  return true;
}

bool BinaryReader::ReadDouble(double& value) {
  unsigned char bytes[8];
  if (!ReadBytes(bytes, 8)) return false;
  value = DoubleFromBits(DecodeLittleEndian(bytes, 8));
  return true;
}

bool BinaryReader::ReadDoubles(int64_t count, std::vector<double>& values) {
  if (count < 0 || count > Remaining() / 8) return false;
  std::vector<double> result(static_cast<size_t>(count));
  std::vector<unsigned char> block(8 * std::min<size_t>(kBlockValues, result.size()));
  for (size_t done = 0; done < result.size();) {
    size_t step = std::min(kBlockValues, result.size() - done);
    if (!ReadBytes(block.data(), 8 * step)) return false;
    for (size_t i = 0; i < step; ++i) result[done + i] = DoubleFromBits(DecodeLittleEndian(&block[8 * i], 8));
    done += step;
  }
  values = std::move(result);
  return true;
}

bool BinaryReader::Seek(int64_t offset) {
  if (file_ == nullptr || offset < 0 || offset > size_) return false;
  if (fseeko(file_, static_cast<off_t>(offset), SEEK_SET) != 0) return false;
  position_ = offset;
  return true;
}

void BinaryWriter::WriteInt32(int32_t value) {
  unsigned char bytes[4];
  EncodeLittleEndian(static_cast<uint32_t>(value), bytes, 4);
  WriteBytes(bytes, 4);
}

void BinaryWriter::WriteDouble(double value) {
  unsigned char bytes[8];
  EncodeLittleEndian(BitsOfDouble(value), bytes, 8);
  WriteBytes(bytes, 8);
}

void BinaryWriter::WriteDoubles(const std::vector<double>& values, size_t count) {
  std::array<unsigned char, 8 * kBlockValues> block;
  for (size_t done = 0; done < count;) {
    size_t step = std::min(kBlockValues, count - done);
    for (size_t i = 0; i < step; ++i) {
      double value = done + i < values.size() ? values[done + i] : 0.0;
      EncodeLittleEndian(BitsOfDouble(value), &block[8 * i], 8);
    }
    WriteBytes(block.data(), 8 * step);
    done += step;
  }
}

}  // namespace kora
