// The data summary (count, mean, variance, standard error of the mean) of a
// project's current series, computed once per state of the data: it is kept
// with a fingerprint of the series and computed again only when the series
// differs, so a model change, which leaves the data alone, never pays for it.
#pragma once

#include <cstdint>
#include <vector>

#include "stats/sample_stats.h"

namespace kora {

struct DataSummaryCache {
  bool valid = false;
  uint64_t fingerprint = 0;
  SampleSummary summary;
  unsigned computations = 0;  // times the summary was computed, counted for the tests
};

// The summary of the series, from the cache when the series is the one it
// was computed for.
const SampleSummary& CachedSummary(const std::vector<double>& series, DataSummaryCache& cache);

}  // namespace kora
