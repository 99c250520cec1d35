// Transform > Undo: reverses the newest transformation step.
#pragma once

#include <functional>

#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

// With an estimated regression trend the series holds trend residuals, so
// the message "Must remove regression function before untransforming" is
// shown and nothing changes. Otherwise the newest step is undone and
// `refresh` redraws the views. Returns whether a step was undone.
bool RunUndoTransform(platform::Platform& platform, UnivariateProject& project,
                      const std::function<void()>& refresh);

}  // namespace kora
