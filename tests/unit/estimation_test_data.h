// Mean-corrected reference series and the R/statsmodels reference values of
// ar_prelim.json and arma_ml.json, for the estimation tests.
#pragma once

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "stats_test_data.h"

namespace kora::testing {

inline nlohmann::json ReadEstimationReference(const std::string& name) {
  std::ifstream in(std::string(KORA_SHARED_DIR) + "/reference/" + name);
  return nlohmann::json::parse(in);
}

// nile or sunspots_yearly minus its sample mean.
inline std::vector<double> MeanCorrectedSeries(const std::string& key) {
  std::vector<double> x = ReadDataFile(key + ".txt");
  double mean = 0.0;
  for (double v : x) mean += v;
  mean /= static_cast<double>(x.size());
  for (double& v : x) v -= mean;
  return x;
}

}  // namespace kora::testing
