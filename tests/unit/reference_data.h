// The example series and the reference values computed by R and statsmodels,
// for every numerical test.
#pragma once

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace kora::testing {

// The numbers of an example series, e.g. "nile.txt".
inline std::vector<double> ReadDataFile(const std::string& file) {
  std::ifstream in(std::string(KORA_EXAMPLES_DIR) + "/" + file);
  std::vector<double> values;
  for (double v; in >> v;) values.push_back(v);
  return values;
}

// A reference file, e.g. "stats.json".
inline nlohmann::json ReadReferenceFile(const std::string& file) {
  std::ifstream in(std::string(KORA_REFERENCE_DIR) + "/" + file);
  return nlohmann::json::parse(in);
}

inline std::vector<double> MeanCorrected(std::vector<double> x) {
  double mean = 0;
  for (double v : x) mean += v;
  mean /= static_cast<double>(x.size());
  for (double& v : x) v -= mean;
  return x;
}

}  // namespace kora::testing
