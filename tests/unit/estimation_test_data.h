// Mean-corrected reference series and the R/statsmodels reference values of
// ar_prelim.json and arma_ml.json, for the estimation tests.
#pragma once

#include <string>
#include <vector>

#include "stats_test_data.h"

namespace kora::testing {

inline nlohmann::json ReadEstimationReference(const std::string& name) { return ReadReferenceFile(name); }

// nile or sunspots_yearly minus its sample mean.
inline std::vector<double> MeanCorrectedSeries(const std::string& key) {
  return MeanCorrected(ReadDataFile(key + ".txt"));
}

}  // namespace kora::testing
