// Saving never destroys: a write cut short by the file-size limit or a kill
// leaves the previous file byte for byte, whichever writer was at work.
#include "project/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "project/project_file.h"
#include "project/text_export.h"

namespace kora {
namespace {

namespace fs = std::filesystem;

class AtomicWrite : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("kora_atomic_" + std::to_string(getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  static std::string Contents(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
  }
  size_t FileCount() const { return std::distance(fs::directory_iterator(dir_), fs::directory_iterator()); }

  // Runs the write in a child process under a file-size limit; its exit code
  // says what the writer reported (0 written, 3 write error, 4 other).
  static int WriteUnderLimit(rlim_t limit, const std::function<std::optional<FileError>()>& write) {
    const pid_t child = fork();
    if (child == 0) {
      rlimit rl{limit, limit};
      setrlimit(RLIMIT_FSIZE, &rl);
      auto error = write();
      _exit(!error ? 0 : error->text == "Cannot write to file" ? 3 : 4);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
  }

  fs::path dir_;
};

UnivariateProject Project(int n, double scale) {
  UnivariateProject project;
  for (int i = 0; i < n; ++i) project.series.push_back(scale * i);
  project.firstIndex = 1;
  project.lastIndex = n;
  return project;
}

TEST_F(AtomicWrite, AWriteCutShortAnywhereLeavesTheOldFile) {
  const fs::path path = dir_ / "p.kra";
  ColourTable colours{};
  ASSERT_FALSE(WriteProjectFile(path, Project(300, 1), colours).has_value());
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const std::string old = Contents(path);
  const UnivariateProject bigger = Project(20000, 2);
  const size_t newSize = 516 + 8 * 20000;
  auto saveBigger = [&] { return WriteProjectFile(path, bigger, colours); };
  for (rlim_t limit : {rlim_t{0}, rlim_t{1}, rlim_t{515}, rlim_t{4096}, rlim_t{65536}, rlim_t{65537},
                       rlim_t{100000}, rlim_t{newSize - 1}}) {
    EXPECT_EQ(WriteUnderLimit(limit, saveBigger), 3) << "limit " << limit;
    EXPECT_EQ(Contents(path), old) << "limit " << limit;
    EXPECT_EQ(FileCount(), 1u) << "a temporary file was left at limit " << limit;
  }
  // The text writers go the same way.
  const fs::path text = dir_ / "series.txt";
  ASSERT_FALSE(WriteRawData(text, {1, 2}).has_value());
  EXPECT_EQ(WriteUnderLimit(100, [&] { return WriteRawData(text, bigger.series); }), 3);
  EXPECT_EQ(Contents(text), "1\n2\n");

  // With room enough the new file replaces the old one and keeps its permissions.
  EXPECT_EQ(WriteUnderLimit(newSize, saveBigger), 0);
  EXPECT_EQ(Contents(path).size(), newSize);
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AtomicWrite, AKillAtAnyMomentLeavesTheOldOrTheNewFile) {
  const fs::path path = dir_ / "p.kra";
  ColourTable colours{};
  const UnivariateProject small = Project(10, 1), large = Project(400000, 3);
  ASSERT_FALSE(WriteProjectFile(dir_ / "small", small, colours).has_value());
  ASSERT_FALSE(WriteProjectFile(dir_ / "large", large, colours).has_value());
  const std::string smallBytes = Contents(dir_ / "small"), largeBytes = Contents(dir_ / "large");
  for (int round = 0; round < 12; ++round) {
    ASSERT_FALSE(WriteProjectFile(path, small, colours).has_value());
    const pid_t child = fork();
    if (child == 0) {
      for (;;) {
        WriteProjectFile(path, large, colours);
        WriteProjectFile(path, small, colours);
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(500 + 1500 * round));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const std::string now = Contents(path);
    EXPECT_TRUE(now == smallBytes || now == largeBytes) << "round " << round << ": " << now.size() << " bytes";
  }
}

TEST_F(AtomicWrite, ReadOnlyFilesFoldersAndLinks) {
  // A read-only file and a folder are refused before anything is written.
  const fs::path locked = dir_ / "locked.txt";
  std::ofstream(locked) << "keep\n";
  fs::permissions(locked, fs::perms::owner_read);
  if (geteuid() != 0) {
    auto refused = WriteRawData(locked, {1});
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->text, "Cannot open file");
    EXPECT_EQ(Contents(locked), "keep\n");
  }
  auto folder = WriteRawData(dir_, {1});
  ASSERT_TRUE(folder.has_value());
  EXPECT_EQ(folder->text, "Cannot open file");
  // A link stays a link: the file it leads to, even one not there yet, is written.
  fs::create_directory(dir_ / "real");
  fs::create_symlink("real/target.txt", dir_ / "link.txt");
  ASSERT_FALSE(WriteRawData(dir_ / "link.txt", {1.5}).has_value());
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir_ / "link.txt")));
  EXPECT_EQ(Contents(dir_ / "real" / "target.txt"), "1.5\n");
  ASSERT_FALSE(WriteRawData(dir_ / "link.txt", {2.5}).has_value());
  EXPECT_EQ(Contents(dir_ / "real" / "target.txt"), "2.5\n");
}

}  // namespace
}  // namespace kora
