// The file dialogs' root as the page sees it: no path leads out of it, links
// included, and names that are not UTF-8 are listed but never mistaken.
#include "platform/web/root_paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace kora::platform {
namespace {

namespace fs = std::filesystem;

class RootPaths : public ::testing::Test {
 protected:
  void SetUp() override {
    top_ = fs::temp_directory_path() / ("kora_root_paths_" + std::to_string(getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(top_ / "root" / "data");
    fs::create_directories(top_ / "outside");
    root_ = top_ / "root";
    std::ofstream(root_ / "data" / "nile.txt") << "1\n";
  }
  void TearDown() override { fs::remove_all(top_); }

  fs::path top_, root_;
};

TEST_F(RootPaths, LinksLeadingOutAreRefusedWhereverTheyEnd) {
  fs::create_directory_symlink(top_ / "outside", root_ / "out");
  fs::create_symlink(top_ / "outside" / "new.txt", root_ / "evil.txt");  // a file a save would create
  fs::create_symlink("evil.txt", root_ / "chain.txt");
  fs::create_symlink("../../outside/new.txt", root_ / "data" / "relative.txt");
  fs::create_symlink("data/nile.txt", root_ / "in.txt");
  fs::create_symlink("data/later.txt", root_ / "in_later.txt");
  fs::create_symlink("loop_b", root_ / "loop_a");
  fs::create_symlink("loop_a", root_ / "loop_b");
  for (const char* inside : {"data/nile.txt", "data/../x.txt", ".", "new.txt", "in.txt", "in_later.txt", "data"})
    EXPECT_TRUE(PathInsideRoot(root_, inside)) << inside;
  for (const char* outside : {"../x.txt", "data/../../x.txt", "/etc/passwd", "", "out", "out/new.txt",
                              "out/../x.txt", "evil.txt", "chain.txt", "data/relative.txt", "loop_a"})
    EXPECT_FALSE(PathInsideRoot(root_, outside)) << outside;
  EXPECT_FALSE(FolderListing(root_, "no_such_folder").has_value());
}

TEST_F(RootPaths, NamesThatAreNotUtf8AreListedEscapedAndNeverMistaken) {
  std::ofstream(root_ / "bad\xff.txt") << "1\n";
  std::ofstream(root_ / "caf\xc3\xa9.txt") << "2\n";
  std::ofstream(root_ / "over\xc0\xaflong.txt") << "3\n";  // an overlong '/'
  auto listing = FolderListing(root_, ".");
  ASSERT_TRUE(listing.has_value());
  EXPECT_NO_THROW(listing->dump());
  std::map<std::string, bool> odd;
  for (const auto& entry : (*listing)["entries"]) odd[entry["name"]] = entry.value("odd", false);
  EXPECT_EQ(odd, (std::map<std::string, bool>{{"bad\\xFF.txt", true},
                                              {"caf\xc3\xa9.txt", false},
                                              {"data", false},
                                              {"over\\xC0\\xAFlong.txt", true}}));
  // The shown name of an odd file is refused, even when a file of exactly that spelling exists.
  EXPECT_FALSE(PathInsideRoot(root_, "bad\\xFF.txt"));
  std::ofstream(root_ / "bad\\xFF.txt") << "4\n";
  EXPECT_FALSE(PathInsideRoot(root_, "bad\\xFF.txt"));
  EXPECT_TRUE(PathInsideRoot(root_, "caf\xc3\xa9.txt"));
}

}  // namespace
}  // namespace kora::platform
