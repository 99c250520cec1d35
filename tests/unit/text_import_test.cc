#include "project/text_import.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace kora {
namespace {

class TextImport : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("kora_text_import_" + std::to_string(getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string File(const std::string& contents) {
    std::string path = (dir_ / ("f" + std::to_string(++files_))).string();
    std::ofstream(path, std::ios::binary) << contents;
    return path;
  }
  std::vector<double> Raw(const std::string& contents) {
    RawDataResult result = ReadRawData(File(contents));
    EXPECT_FALSE(result.error.has_value()) << result.error->text;
    return result.values;
  }
  // A file that yields no number is refused as unreadable.
  bool Refused(const std::string& contents) {
    RawDataResult result = ReadRawData(File(contents));
    return result.error && result.error->text == "Cannot read file" && result.values.empty();
  }

  std::filesystem::path dir_;
  int files_ = 0;
};

using Values = std::vector<double>;

TEST_F(TextImport, SeriesFileLineRules) {
  EXPECT_EQ(Raw("1.5 2.5\n"), Values{1.5});
  EXPECT_EQ(Raw("1\n2\nword\n4\n"), (Values{1, 2}));
  EXPECT_EQ(Raw("1\n\n   \t\n2\r\n\r\n,\n3"), (Values{1, 2, 3}));  // blank lines, CR LF, no final break
  EXPECT_EQ(Raw("  -1.25D2, x\n+.5e1\n7.\n"), (Values{-125, 5, 7}));
  EXPECT_EQ(Raw("Flow, m3/s\n1\n2\n"), (Values{1, 2}));  // a heading
  EXPECT_EQ(Raw("\xEF\xBB\xBF" "1\r2\r\r3"), (Values{1, 2, 3}));  // byte-order mark, old Mac line ends
  EXPECT_EQ(Raw("1\nnan\n2\n"), Values{1});
  EXPECT_EQ(Raw("1\n1e999\n2\n"), Values{1});  // beyond a double: not a number
  for (const char* nothing : {"", "\n\n\n", "value\n", "1e400\n", "x\ny\n1\n", "\xEF\xBB\xBF"})
    EXPECT_TRUE(Refused(nothing)) << nothing;
}

TEST_F(TextImport, SeriesFileSurvivesHostileBytes) {
  // A line of blanks longer than any buffer, a number followed by a huge
  // tail, NUL bytes, a lone CR ending a line.
  std::string text = std::string(3 << 20, ' ') + "\n7 " + std::string(2 << 20, 'z') + "\n8\r9\n";
  EXPECT_EQ(Raw(text), (Values{7, 8, 9}));
  EXPECT_EQ(Raw(std::string("1\n\0\0\n2\n", 8)), Values{1});
  EXPECT_TRUE(Refused(std::string("\0"
                                  "1\n",
                                  3)));
  EXPECT_EQ(Raw(std::string(1 << 20, '5') + "x\n1\n"), Values{1});  // digits then a letter: a heading
  std::string binary;
  for (int i = 0; i < 70000; ++i) binary += static_cast<char>((i * 131 + 7) % 256);
  EXPECT_EQ(Raw("3\n" + binary).front(), 3.0);
}

TEST_F(TextImport, SeriesFileOfAMillionLines) {
  std::string text;
  for (int i = 1; i <= 1000000; ++i) text += std::to_string(i % 1000) + ".5\r\n";
  Values values = Raw(text);
  ASSERT_EQ(values.size(), 1000000u);
  EXPECT_EQ(values[0], 1.5);
  EXPECT_EQ(values[999], 0.5);
  EXPECT_EQ(values.back(), 0.5);
}

TEST_F(TextImport, SeriesFileErrors) {
  RawDataResult missing = ReadRawData((dir_ / "missing.txt").string());
  ASSERT_TRUE(missing.error.has_value());
  EXPECT_EQ(missing.error->caption, "ReadRawData()");
  EXPECT_EQ(missing.error->text, "Cannot open file");
  EXPECT_TRUE(missing.values.empty());
  // A directory opens but cannot be read.
  RawDataResult directory = ReadRawData(dir_.string());
  ASSERT_TRUE(directory.error.has_value());
  EXPECT_EQ(directory.error->caption, "ReadRawData()");
  EXPECT_EQ(directory.error->text, "Cannot read file");
}

TEST_F(TextImport, SharedDataFile) {
  RawDataResult nile = ReadRawData(std::string(KORA_EXAMPLES_DIR) + "/nile.txt");
  ASSERT_FALSE(nile.error.has_value());
  ASSERT_EQ(nile.values.size(), 100u);
  EXPECT_EQ(nile.values.front(), 1120);
  EXPECT_EQ(nile.values.back(), 740);
}

TEST_F(TextImport, MultivariateObservationsSpanLines) {
  std::string path = File("1 2 99\n3\n\n4\n5,6 7\n8");
  FileError error;
  auto two = ReadMultivariateText(path, 2, &error);
  ASSERT_TRUE(two.has_value());
  EXPECT_EQ(*two, (std::vector<Values>{{1, 3, 5}, {2, 4, 6}}));  // 99 and 7 ignored; 8 is incomplete
  auto one = ReadMultivariateText(path, 1, &error);
  ASSERT_TRUE(one.has_value());
  EXPECT_EQ(*one, (std::vector<Values>{{1, 3, 4, 5, 8}}));

  auto stopped = ReadMultivariateText(File("1 2\n3 x\n5 6\n"), 2, &error);
  EXPECT_EQ(*stopped, (std::vector<Values>{{1}, {2}}));
  auto named = ReadMultivariateText(File("\xEF\xBB\xBF" "DAX SMI\r1 2\r3 4\r"), 2, &error);
  EXPECT_EQ(*named, (std::vector<Values>{{1, 3}, {2, 4}}));
  auto empty = ReadMultivariateText(File(""), 1000000000, &error);
  ASSERT_TRUE(empty.has_value());
  EXPECT_TRUE(empty->empty());
  EXPECT_FALSE(ReadMultivariateText(path, 0, &error).has_value());

  error = {};
  EXPECT_FALSE(ReadMultivariateText((dir_ / "missing").string(), 2, &error).has_value());
  EXPECT_EQ(error.text, "Cannot open file");
  EXPECT_EQ(error.caption, "ReadRawData()");

  auto eustock = ReadMultivariateText(std::string(KORA_EXAMPLES_DIR) + "/eustock_returns.txt", 2, &error);
  ASSERT_TRUE(eustock.has_value());
  ASSERT_EQ(eustock->size(), 2u);
  EXPECT_EQ((*eustock)[0].size(), 1859u);
  EXPECT_EQ((*eustock)[1].size(), 1859u);
  EXPECT_EQ((*eustock)[0][0], -0.009326550003611267);
  EXPECT_EQ((*eustock)[1][0], 0.006178359818505896);
}

TEST(ClipboardImport, SeriesLineRules) {
  EXPECT_EQ(ReadClipboardSeries("1\r\n2\r\n3\r\n"), (Values{1, 2, 3}));
  EXPECT_EQ(ReadClipboardSeries("1\r\n2\r\n3"), (Values{1, 2}));  // the last line is never read
  EXPECT_EQ(ReadClipboardSeries("1\n2\n3\n"), (Values{1, 2, 3}));
  EXPECT_EQ(ReadClipboardSeries("1\r\nword\r\n\r\n4\r\n"), (Values{1, 0, 0, 4}));
  EXPECT_EQ(ReadClipboardSeries("Year\r1\r\n2\n\n"), (Values{1, 2, 0}));  // a heading, every kind of line end
  EXPECT_EQ(ReadClipboardSeries("\xEF\xBB\xBF" "5\r\n"), Values{5});
  for (const char* nothing : {"\n", "a\r\nb\r\n", "1e400\r\n"}) EXPECT_FALSE(ReadClipboardSeries(nothing)) << nothing;
  EXPECT_FALSE(ReadClipboardSeries("42").has_value());
  EXPECT_FALSE(ReadClipboardSeries("").has_value());
  // Only the first 255 characters of a line are looked at.
  EXPECT_EQ(ReadClipboardSeries(std::string(254, ' ') + "9\r\n" + std::string(255, ' ') + "9\r\n"),
            (Values{9, 0}));
}

TEST(ClipboardImport, TableColumnsFromFirstLine) {
  auto table = ReadClipboardTable("1\t2\t3\r\n4\t5\r\n7\tx\t9\r\n10 11 12 13\r\nlast");
  ASSERT_TRUE(table.has_value());
  EXPECT_EQ(*table, (std::vector<Values>{{1, 4, 0, 10}, {2, 5, 0, 11}, {3, 0, 0, 12}}));
  // Tabs beyond the first 255 characters of line 1 do not add series.
  auto narrow = ReadClipboardTable(std::string(255, ' ') + "\t\t1\n2\n");
  ASSERT_TRUE(narrow.has_value());
  EXPECT_EQ(*narrow, (std::vector<Values>{{0, 2}}));
  EXPECT_FALSE(ReadClipboardTable("1\t2").has_value());
}

}  // namespace
}  // namespace kora
