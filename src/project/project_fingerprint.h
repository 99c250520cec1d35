// Whether a univariate project holds anything a save would keep that its
// project file does not: a fingerprint of what the file stores (model orders
// and coefficients, time indices, series, transformation list).
#pragma once

#include <cstdint>

#include "project/univariate_project.h"

namespace kora {

uint64_t ProjectFingerprint(const UnivariateProject& project);

// Records the project's state as saved (after Save, or Open of a project file).
void MarkSaved(UnivariateProject& project);

// Changed since it was last saved or opened from a project file; a project
// never saved counts as changed once it differs from a new, empty project.
bool HasUnsavedChanges(const UnivariateProject& project);

}  // namespace kora
