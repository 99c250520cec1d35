#include "project/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <random>

#include "platform/link_target.h"

namespace kora {

namespace fs = std::filesystem;

namespace {

constexpr size_t kBufferSize = 1 << 16;
constexpr int kNameAttempts = 100;

// Beyond the file-size limit the kernel sends SIGXFSZ, which ends the program
// with every open project; ignored, the write fails with EFBIG instead and the
// user gets the write error.
void IgnoreFileSizeSignal() {
  static const bool ignored = [] {
    std::signal(SIGXFSZ, SIG_IGN);
    return true;
  }();
  (void)ignored;
}

std::string RandomSuffix() {
  static std::mt19937_64 random{std::random_device{}()};
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::string suffix(6, ' ');
  for (char& c : suffix) c = kLetters[random() % (sizeof kLetters - 1)];
  return suffix;
}

bool WriteAll(int fd, const char* bytes, size_t count) {
  while (count > 0) {
    const ssize_t done = ::write(fd, bytes, count);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    bytes += done;
    count -= static_cast<size_t>(done);
  }
  return true;
}

// The rename is only durable once the folder itself is on disk.
void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

AtomicFile::AtomicFile(const std::string& path) {
  IgnoreFileSizeSignal();
  std::error_code ec;
  const fs::path target = platform::FinalTarget(path, ec);
  if (ec || target.filename().empty()) return;
  struct stat old;
  const bool exists = ::stat(target.c_str(), &old) == 0;
  // A read-only file is not replaced behind the user's back, nor is a folder.
  if (exists && (!S_ISREG(old.st_mode) || ::access(target.c_str(), W_OK) != 0)) return;
  target_ = target.string();
  for (int attempt = 0; attempt < kNameAttempts && fd_ < 0; ++attempt) {
    temporary_ = (target.parent_path() / ("." + target.filename().string() + "." + RandomSuffix())).string();
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) return;
  if (exists) {
    // Owner first: changing it may clear the set-id bits the mode then restores.
    if (::fchown(fd_, old.st_uid, old.st_gid) != 0) {
      // Only the superuser may give a file away; the writer then owns it.
    }
    ::fchmod(fd_, old.st_mode & 07777);
  }
  buffer_.reserve(kBufferSize);
}

AtomicFile::~AtomicFile() {
  if (fd_ < 0) return;  // never opened, or Commit is done with it
  ::close(fd_);
  ::unlink(temporary_.c_str());
}

bool AtomicFile::Flush() {
  if (!failed_ && !buffer_.empty() && !WriteAll(fd_, buffer_.data(), buffer_.size())) failed_ = true;
  buffer_.clear();
  return !failed_;
}

void AtomicFile::Write(const void* bytes, size_t count) {
  if (fd_ < 0 || failed_) return;
  const char* data = static_cast<const char*>(bytes);
  if (buffer_.size() + count > kBufferSize && !Flush()) return;
  if (count >= kBufferSize) {
    if (!WriteAll(fd_, data, count)) failed_ = true;
    return;
  }
  buffer_.insert(buffer_.end(), data, data + count);
}

AtomicFile::Status AtomicFile::Commit() {
  if (fd_ < 0) return Status::CannotOpen;
  bool written = Flush() && ::fsync(fd_) == 0;
  written = ::close(fd_) == 0 && written;
  fd_ = -1;
  if (written && ::rename(temporary_.c_str(), target_.c_str()) == 0) {
    SyncFolder(fs::path(target_).parent_path());
    return Status::Written;
  }
  ::unlink(temporary_.c_str());
  return Status::CannotWrite;
}

}  // namespace kora
