// The output of a batch: one CSV line per series, written whole, so that an
// interrupted run leaves complete lines behind, and a rerun can tell which
// series are done.
#pragma once

#include <optional>
#include <string>
#include <unordered_set>

#include "batch/fit_series.h"
#include "batch/recipe.h"

namespace kora {

// The heading: series, status, message, the model's coefficients, sigma2,
// aicc, the randomness tests (h, Ljung-Box, McLeod-Li, turning points,
// difference signs, rank pairs, minimum-AICC AR order), forecast_1..H,
// lower_1..H, upper_1..H.
std::string OutputHeader(const Recipe& recipe);

// The line of one series ("ok" or "error" with the message), ending in '\n'.
std::string OutputLine(const Recipe& recipe, const std::string& id, const SeriesFit& fit);

struct ResumeState {
  std::unordered_set<std::string> done;  // ids of the complete lines already written
  bool exists = false;                   // the file holds the heading
  std::string error;                     // the file cannot be continued
};

// Reads an existing output: a heading other than this recipe's is an error;
// a last line without its end (an interrupted write) is cut off.
ResumeState ReadExistingOutput(const std::string& path, const std::string& header);

}  // namespace kora
