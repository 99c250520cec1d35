#include "project/text_export.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>

#include "project/text_import.h"

namespace kora {
namespace {

using Values = std::vector<double>;

class TextExport : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("kora_text_export_" + std::to_string(getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Path(const std::string& name) { return (dir_ / name).string(); }
  static std::string Contents(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
  }

  std::filesystem::path dir_;
};

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST_F(TextExport, SeriesFileReadsBackBitForBit) {
  const double max = std::numeric_limits<double>::max();
  Values values{0.1,
                1.0 / 3.0,
                -0.0,
                5e-324,
                max,
                -std::numeric_limits<double>::min(),
                1e22,
                123456789012345678.0,
                M_PI,
                1e-300,
                2.2250738585072009e-308,
                -1.5e300};
  std::mt19937_64 random(20240611);
  while (values.size() < 5000) {
    uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (std::isfinite(value)) values.push_back(value);
  }
  ASSERT_FALSE(WriteRawData(Path("series.txt"), values).has_value());
  RawDataResult read = ReadRawData(Path("series.txt"));
  ASSERT_FALSE(read.error.has_value());
  ASSERT_EQ(read.values.size(), values.size());
  for (size_t i = 0; i < values.size(); ++i) EXPECT_TRUE(SameBits(read.values[i], values[i])) << i;

  // Values without a text of their own still leave a file that reads to the end.
  const double inf = std::numeric_limits<double>::infinity();
  ASSERT_FALSE(WriteRawData(Path("odd.txt"), {1, std::nan(""), inf, -inf, 2}).has_value());
  EXPECT_EQ(ReadRawData(Path("odd.txt")).values, (Values{1, 0, max, -max, 2}));

  ASSERT_FALSE(WriteRawData(Path("empty.txt"), {}).has_value());
  EXPECT_EQ(Contents(Path("empty.txt")), "");
}

TEST_F(TextExport, TableFileOneLinePerObservation) {
  std::vector<Values> table{{1.5, -2, 0.1}, {3, 4e-20, 7}};
  ASSERT_FALSE(WriteAsciiArray(Path("table.txt"), table).has_value());
  EXPECT_EQ(Contents(Path("table.txt")), "1.5 3\n-2 4e-20\n0.1 7\n");
  FileError error;
  EXPECT_EQ(ReadMultivariateText(Path("table.txt"), 2, &error), table);

  ASSERT_FALSE(WriteAsciiArray(Path("none.txt"), {{}, {}}).has_value());
  EXPECT_EQ(Contents(Path("none.txt")), "");
}

TEST_F(TextExport, WriteFailures) {
  auto open = WriteRawData(Path("no/such/dir.txt"), {1});
  ASSERT_TRUE(open.has_value());
  EXPECT_EQ(open->text, "Cannot open file");
  EXPECT_EQ(open->caption, "WriteRawData()");
  auto tableOpen = WriteAsciiArray(dir_.string(), {{1}});
  ASSERT_TRUE(tableOpen.has_value());
  EXPECT_EQ(tableOpen->text, "Cannot open file");
  EXPECT_EQ(tableOpen->caption, "WriteAsciiArray()");
}

TEST(ClipboardExport, SignificantDigitsAndSeparators) {
  // 1..10 gets four decimals; 10^3 and above none, ending with the point.
  EXPECT_EQ(ClipboardColumnText({1.5, 1234.56, -2}), "1.5000\r\n1235.\r\n-2.0000");
  EXPECT_EQ(ClipboardColumnText({}), "");
  std::string table = ClipboardTableText({{1, 2}, {3, 4}, {5, 6}});
  EXPECT_EQ(table, "1.0000\t3.0000\t5.0000\r\n2.0000\t4.0000\t6.0000");
  // The clipboard readers take the text back (with the line break the last
  // line needs to be read).
  EXPECT_EQ(ReadClipboardTable(table + "\r\n"), (std::vector<Values>{{1, 2}, {3, 4}, {5, 6}}));
  EXPECT_EQ(ReadClipboardSeries(ClipboardColumnText({2.25, 3}) + "\r\n"), (Values{2.25, 3}));
}

}  // namespace
}  // namespace kora
