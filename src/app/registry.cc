#include "app/registry.h"

namespace kora {

int ProjectRegistry::LowestFreeSlot() const {
  for (int k = 1; k <= kSlotCount; ++k)
    if (slots[k].kind == kNoProject) return k;
  return 0;
}

int ProjectRegistry::HighestSlot() const {
  for (int k = kSlotCount; k >= 1; --k)
    if (slots[k].kind != kNoProject) return k;
  return 0;
}

}  // namespace kora
