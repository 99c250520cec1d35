#include "stats/data_summary.h"

#include <cstring>

namespace kora {

namespace {

// A 64-bit digest of the values' bits and their count; a change of any value,
// of their order or of their number changes it (but for a 2^-64 chance).
uint64_t Fingerprint(const std::vector<double>& series) {
  uint64_t h = 0x9E3779B97F4A7C15ull ^ series.size();
  for (double v : series) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    h ^= bits + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    h *= 0xFF51AFD7ED558CCDull;
  }
  return h;
}

}  // namespace

const SampleSummary& CachedSummary(const std::vector<double>& series, DataSummaryCache& cache) {
  const uint64_t fingerprint = Fingerprint(series);
  if (!cache.valid || cache.fingerprint != fingerprint || cache.summary.n != static_cast<int>(series.size())) {
    cache.summary = Summarize(series);
    cache.fingerprint = fingerprint;
    cache.valid = true;
    ++cache.computations;
  }
  return cache.summary;
}

}  // namespace kora
