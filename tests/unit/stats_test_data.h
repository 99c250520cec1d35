// Series of the shared data folder and the R reference values of stats.json,
// for the statistics and report tests.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "reference_data.h"

namespace kora::testing {

inline nlohmann::json StatsReference() { return ReadReferenceFile("stats.json"); }

// y(t) = x(t+lag) - x(t).
inline std::vector<double> Differenced(const std::vector<double>& x, int lag) {
  std::vector<double> y;
  for (size_t t = lag; t < x.size(); ++t) y.push_back(x[t] - x[t - lag]);
  return y;
}

// The series of stats.json by its key, derived from the data files as its
// "derivation" entry says.
inline std::vector<double> ReferenceSeries(const std::string& key) {
  if (key == "nile") return ReadDataFile("nile.txt");
  if (key == "sunspots_yearly") return ReadDataFile("sunspots_yearly.txt");
  if (key == "www_usage_d1") return Differenced(ReadDataFile("www_usage.txt"), 1);
  std::vector<double> logged = ReadDataFile("air_passengers.txt");
  for (double& v : logged) v = std::log(v);
  return Differenced(Differenced(logged, 12), 1);
}

}  // namespace kora::testing
