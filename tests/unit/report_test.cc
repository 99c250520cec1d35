#include "report/report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kora {
namespace {

int CountLines(const std::string& text) {
  int lines = 0;
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
  return lines;
}

TEST(Report, LinesHeaderAndClearing) {
  Report report;
  report.AppendLine("old text");
  report.AppendHeader("KORA::Tarn", 10);
  report.AppendLine("a = 1");
  report.AppendBlankLine();
  EXPECT_EQ(report.text(), "==========\r\nKORA::Tarn\r\n==========\r\na = 1\r\n  \r\n");
  // An empty line starts the report again: a report built twice shows only the second text.
  report.AppendLine("");
  EXPECT_EQ(report.text(), "");
  report.AppendLine("second");
  EXPECT_EQ(report.text(), "second\r\n");
  // The banner length belongs to the report, not to the title.
  report.AppendHeader("KORA::Tarn(ACF/PACF)", 15);
  EXPECT_EQ(report.text(), "===============\r\nKORA::Tarn(ACF/PACF)\r\n===============\r\n");
}

TEST(Report, NumberRows) {
  const std::vector<double> values = {1, -0.5, 0.25, 2, 3, 4, 5, 6, 7, 8, 9};
  Report seven;
  seven.AppendNumberRows(values, 7, 5, 4);
  EXPECT_EQ(seven.text(),
            "        1.0000       -0.5000        0.2500        2.0000        3.0000\r\n"
            "        4.0000        5.0000\r\n");

  Report ten;
  ten.AppendNumberRows(values, 10, 5, 4);
  EXPECT_EQ(CountLines(ten.text()), 3);
  EXPECT_TRUE(ten.text().ends_with("        8.0000\r\n\r\n"));
  Report none;
  none.AppendNumberRows(values, 0, 5, 4);
  EXPECT_EQ(none.text(), "\r\n");

  // More values asked for than given: only those given are written.
  Report clipped;
  clipped.AppendNumberRows({1.5}, 3, 5, 1);
  EXPECT_EQ(clipped.text(), "           1.5\r\n");

  // A text filling the whole fixed field is written without padding.
  Report wide;
  wide.AppendNumberRows({1.0e20, 1}, 2, 5, 4);
  EXPECT_EQ(wide.text(), "***************        1.0000\r\n");
}

}  // namespace
}  // namespace kora
