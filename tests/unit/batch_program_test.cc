// kora batch as a user runs it: a long CSV file and a folder of series files,
// the Nile fit against R's, per-series errors, resumption after a cut.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "reference_data.h"

namespace kora {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

int RunBatch(const fs::path& dir, const std::string& recipe, const std::string& input) {
  const std::string command = std::string(KORA_BINARY) + " batch " + (dir / recipe).string() + " " +
                              (dir / input).string() + " " + (dir / "out.csv").string() + " 2>" +
                              (dir / "err").string();
  return WEXITSTATUS(std::system(command.c_str()));
}

// Field `name` of the line whose first field is `id`.
std::string FieldOf(const std::string& csv, const std::string& id, const std::string& name) {
  std::istringstream lines(csv);
  std::string header, line;
  std::getline(lines, header);
  auto split = [](const std::string& text) {
    std::vector<std::string> fields;
    std::stringstream in(text);
    for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
    return fields;
  };
  const std::vector<std::string> names = split(header);
  while (std::getline(lines, line)) {
    const std::vector<std::string> fields = split(line);
    if (fields[0] != id) continue;
    for (size_t i = 0; i < names.size(); ++i)
      if (names[i] == name) return i < fields.size() ? fields[i] : "";
  }
  return "missing";
}

TEST(BatchProgram, FitsEachSeriesAsAloneReportsBadOnesAndResumesAfterACut) {
  const fs::path dir = fs::path(::testing::TempDir()) / "batch_program";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::vector<double> nile = testing::ReadDataFile("nile.txt");
  {
    std::ofstream csv(dir / "long.csv");
    csv << "series,time,value\n";
    for (const char* id : {"nile", "nile2"})
      for (size_t t = 0; t < nile.size(); ++t) csv << id << "," << 1871 + t << "," << nile[t] << "\n";
    csv << "short,1,3\nshort,2,4\nbad,1,3\nbad,2,x\ndup,1,3\ndup,1,4\n";
  }
  std::ofstream(dir / "recipe.json") << R"({"model": "arma", "p": 1, "q": 1, "mean_correction": true,
                                           "horizon": 10})";
  ASSERT_EQ(RunBatch(dir, "recipe.json", "long.csv"), 0) << ReadAll(dir / "err");
  const std::string full = ReadAll(dir / "out.csv");

  // The same numbers R gives for the Nile ARMA(1,1), bounds at 1.96 root MSE.
  const auto reference = testing::ReadReferenceFile("arma_ml.json");
  const auto& fit = reference["fits"]["nile_ARMA(1,1)"];
  const auto& forecast = reference["forecast_nile_ARMA(1,1)"];
  EXPECT_NEAR(std::stod(FieldOf(full, "nile", "phi_1")), fit["exact_maximum"]["phi"][0].get<double>(), 1e-4);
  EXPECT_NEAR(std::stod(FieldOf(full, "nile", "theta_1")), fit["exact_maximum"]["theta"][0].get<double>(),
              1e-4);
  EXPECT_NEAR(std::stod(FieldOf(full, "nile", "sigma2")), fit["sigma2"].get<double>(),
              1e-4 * fit["sigma2"].get<double>());
  for (int h = 1; h <= 10; ++h) {
    const double pred = forecast["pred"][h - 1], half = 1.96 * forecast["sqrt_mse"][h - 1].get<double>();
    const std::string k = std::to_string(h);
    EXPECT_NEAR(std::stod(FieldOf(full, "nile", "forecast_" + k)), pred, 0.05);
    EXPECT_NEAR(std::stod(FieldOf(full, "nile", "lower_" + k)), pred - half, 0.1);
    EXPECT_NEAR(std::stod(FieldOf(full, "nile", "upper_" + k)), pred + half, 0.1);
  }
  EXPECT_EQ(FieldOf(full, "nile", "ljung_box"), FieldOf(full, "nile2", "ljung_box"));
  EXPECT_EQ(FieldOf(full, "short", "status"), "error");
  EXPECT_NE(FieldOf(full, "short", "message").find("series too short: 2 values"), std::string::npos);
  EXPECT_NE(FieldOf(full, "bad", "message").find("is not a number at line 205"), std::string::npos);
  EXPECT_EQ(FieldOf(full, "dup", "message"), "duplicate time index 1 at line 207");

  // Cut inside the second line: the rerun completes the file to the same bytes.
  const size_t cut = full.find('\n', full.find('\n') + 1) + 20;
  fs::resize_file(dir / "out.csv", cut);
  ASSERT_EQ(RunBatch(dir, "recipe.json", "long.csv"), 0);
  EXPECT_EQ(ReadAll(dir / "out.csv"), full);
  EXPECT_NE(ReadAll(dir / "err").find("1 already in the output skipped"), std::string::npos);

  // Another recipe on the same output is refused and the output kept.
  std::ofstream(dir / "other.json") << R"({"model": "arar", "horizon": 3, "colour": 1})";
  EXPECT_EQ(RunBatch(dir, "other.json", "long.csv"), 1);
  EXPECT_NE(ReadAll(dir / "err").find("unknown key \"colour\""), std::string::npos);
  std::ofstream(dir / "other.json") << R"({"model": "arar", "horizon": 3})";
  EXPECT_EQ(RunBatch(dir, "other.json", "long.csv"), 1);
  EXPECT_NE(ReadAll(dir / "err").find("written for another recipe"), std::string::npos);
  EXPECT_EQ(ReadAll(dir / "out.csv"), full);

  // A folder of series files: the file name is the id, the numbers as above.
  fs::create_directories(dir / "folder");
  fs::copy_file(fs::path(KORA_EXAMPLES_DIR) / "nile.txt", dir / "folder" / "nile");
  std::ofstream(dir / "folder" / "words.txt") << "no numbers here\n";
  fs::remove(dir / "out.csv");
  ASSERT_EQ(RunBatch(dir, "recipe.json", "folder"), 0);
  const std::string folder = ReadAll(dir / "out.csv");
  EXPECT_EQ(FieldOf(folder, "nile", "forecast_10"), FieldOf(full, "nile", "forecast_10"));
  EXPECT_EQ(FieldOf(folder, "words.txt", "message"), "cannot read a series from this file");
  fs::remove_all(dir);
}

}  // namespace
}  // namespace kora
