// The example series and the reference values computed by R and statsmodels,
// for every numerical test, and the records the tests build from them.
#pragma once

#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "arma/arma_model.h"
#include "project/univariate_project.h"

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

inline ArmaModel ModelOf(const std::vector<double>& phi, const std::vector<double>& theta,
                         double sigma2 = 1.0) {
  ArmaModel model;
  model.arOrder = static_cast<int>(phi.size());
  model.maOrder = static_cast<int>(theta.size());
  for (size_t j = 0; j < phi.size(); ++j) model.phi[j] = phi[j];
  for (size_t j = 0; j < theta.size(); ++j) model.theta[j] = theta[j];
  model.whiteNoiseVariance = sigma2;
  return model;
}

// A project holding the values as freshly imported data.
inline UnivariateProject ImportedProject(std::vector<double> values) {
  UnivariateProject project;
  project.inUse = true;
  project.untransformedSeries = values;
  project.series = std::move(values);
  project.firstIndex = 1;
  project.lastIndex = project.count();
  return project;
}

}  // namespace kora::testing
