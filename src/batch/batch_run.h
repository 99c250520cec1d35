// `kora batch RECIPE INPUT OUTPUT`: every series of the input through the
// recipe on all cores, appended to the output in input order, skipping the
// series a previous run already wrote.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "batch/recipe.h"
#include "batch/series_source.h"

namespace kora {

struct BatchOptions {
  int threads = 0;        // 0: every core
  bool progress = false;  // a progress bar on `log`
};

// The output lines of the series, in their order, fitted on `threads` threads
// (a series that came with an error gets its error line).
std::string FitLines(const Recipe& recipe, const std::vector<SeriesInput>& chunk, int threads);

// Messages go to `log`. Returns 0 when every series has its line (failed ones
// included), 1 when the recipe, the input or the output cannot be used.
int RunBatch(const std::string& recipePath, const std::string& inputPath, const std::string& outputPath,
             const BatchOptions& options, std::ostream& log);

}  // namespace kora
