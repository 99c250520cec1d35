// Shared data of the ARMA and residual tests: series of the shared data
// folder and the reference JSON files.
#pragma once

#include <string>
#include <vector>

#include "arma/arma_model.h"
#include "reference_data.h"

namespace kora::testing {

inline std::vector<double> ReadSeries(const std::string& name) { return ReadDataFile(name + ".txt"); }

inline nlohmann::json ReadReference(const std::string& name) { return ReadReferenceFile(name + ".json"); }

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
