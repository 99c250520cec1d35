#include "batch/series_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kora {
namespace {

TEST(LongCsvSource, ReadsSeriesInTurnAndGivesEachFaultToItsSeries) {
  const std::string path = ::testing::TempDir() + "/long_source.csv";
  std::ofstream(path) << "id,t,value\r\n"
                         "a,1,1.5\r\na,2,2.5\n\n"
                         "b,1,1\nb,2\n"
                         "c,1,x\n"
                         "d,1,1\nd,1,2\n"
                         "e,2,1\ne,1,2\n"
                         "a,3,4\n";
  LongCsvSource source(path);
  ASSERT_TRUE(source.IsOpen());
  const std::pair<std::string, std::string> expected[] = {
      {"a", ""},
      {"b", "expected 3 fields (series id, time index, value), found 2 at line 6"},
      {"c", "value \"x\" is not a number at line 7"},
      {"d", "duplicate time index 1 at line 9"},
      {"e", "time index 1 goes back at line 11"},
      {"a", "rows of this series come again at line 12 after other series; sort the file by series id"},
  };
  for (const auto& [id, error] : expected) {
    const std::optional<SeriesInput> series = source.Next();
    ASSERT_TRUE(series);
    EXPECT_EQ(series->id, id);
    EXPECT_EQ(series->error, error);
    EXPECT_EQ(series->values, (error.empty() ? std::vector<double>{1.5, 2.5} : std::vector<double>{}));
  }
  EXPECT_FALSE(source.Next());
  EXPECT_EQ(source.Fraction(), 1.0);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace kora
