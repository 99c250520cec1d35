#include "project/project_fingerprint.h"

#include <bit>
#include <span>

namespace kora {

namespace {

// FNV-1a over 64-bit words: fast, and any change of a stored value changes
// the fingerprint but for a negligible chance.
struct Hasher {
  uint64_t h = 14695981039346656037ull;
  void Add(uint64_t word) {
    h ^= word;
    h *= 1099511628211ull;
  }
  void Add(int value) { Add(static_cast<uint64_t>(static_cast<int64_t>(value))); }
  void Add(double value) { Add(std::bit_cast<uint64_t>(value)); }
  void Add(std::span<const double> values) {
    Add(static_cast<int>(values.size()));
    for (double v : values) Add(v);
  }
  template <size_t N>
  void Add(const std::array<int, N>& values) {
    for (int v : values) Add(v);
  }
};

void AddStep(Hasher& hash, const TransformStep& step) {
  hash.Add(step.kind);
  hash.Add(step.lag);
  hash.Add(step.savedHead);
  hash.Add(step.lambda);
  hash.Add(step.seasonal);
  hash.Add(step.period);
  hash.Add(step.harmonicCount);
  hash.Add(step.fourierIndex);
  hash.Add(step.cosineCoefficients);
  hash.Add(step.sineCoefficients);
  hash.Add(step.harmonicExtra);
  hash.Add(step.trendDegree);
  hash.Add(step.trendCoefficients);
  hash.Add(step.mean);
  hash.Add(step.leading);
  hash.Add(step.trailing);
  hash.Add(step.oldFirstIndex);
  hash.Add(step.oldLastIndex);
}

}  // namespace

uint64_t ProjectFingerprint(const UnivariateProject& project) {
  Hasher hash;
  hash.Add(project.model.arOrder);
  hash.Add(project.model.maOrder);
  hash.Add(project.model.phi);
  hash.Add(project.model.theta);
  hash.Add(project.firstIndex);
  hash.Add(project.lastIndex);
  hash.Add(project.series);
  hash.Add(static_cast<int>(project.transforms.size()));
  for (const TransformStep& step : project.transforms) AddStep(hash, step);
  return hash.h;
}

void MarkSaved(UnivariateProject& project) { project.savedFingerprint = ProjectFingerprint(project); }

bool HasUnsavedChanges(const UnivariateProject& project) {
  static const uint64_t kEmpty = ProjectFingerprint(UnivariateProject{});
  return ProjectFingerprint(project) != project.savedFingerprint.value_or(kEmpty);
}

}  // namespace kora
