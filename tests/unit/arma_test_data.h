// Shared data of the ARMA and residual tests: series of the shared data
// folder and the reference JSON files.
#pragma once

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "arma/arma_model.h"

namespace kora::testing {

inline std::vector<double> ReadSeries(const std::string& name) {
  std::ifstream in(std::string(KORA_SHARED_DIR) + "/data/" + name + ".txt");
  std::vector<double> x;
  for (double v; in >> v;) x.push_back(v);
  return x;
}

inline std::vector<double> MeanCorrected(std::vector<double> x) {
  double mean = 0;
  for (double v : x) mean += v;
  mean /= static_cast<double>(x.size());
  for (double& v : x) v -= mean;
  return x;
}

inline nlohmann::json ReadReference(const std::string& name) {
  std::ifstream in(std::string(KORA_SHARED_DIR) + "/reference/" + name + ".json");
  return nlohmann::json::parse(in);
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

}  // namespace kora::testing
