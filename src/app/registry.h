// The ten project slots.
#pragma once

#include <array>
#include <memory>

#include "multivariate/multivariate_project.h"
#include "project/univariate_project.h"

namespace kora {

enum ProjectKind : int { kNoProject = 0, kUnivariate = 1, kMultivariate = 2 };
inline constexpr int kSlotCount = 10;

struct RegistrySlot {
  int kind = kNoProject;
  std::unique_ptr<UnivariateProject> univariate;
  std::unique_ptr<MultivariateProject> multivariate;
};

struct ProjectRegistry {
  std::array<RegistrySlot, kSlotCount + 1> slots;  // slots[1..10]; slots[0] unused

  RegistrySlot& operator[](int slot) { return slots.at(slot); }
  const RegistrySlot& operator[](int slot) const { return slots.at(slot); }
  // The lowest empty slot, 0 when all ten are occupied.
  int LowestFreeSlot() const;
  // The highest occupied slot, 0 when none.
  int HighestSlot() const;
};

}  // namespace kora
