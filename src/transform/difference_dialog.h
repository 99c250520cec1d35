// "Difference the series": asks for a lag and differences the current series.
//
// Control ids: 1065 edit "Enter lag:", 1 OK, 2 Cancel.
#pragma once

#include <functional>

#include "platform/dialog.h"
#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

inline constexpr int kDifferenceLagField = 1065;

class DifferenceDialog : public platform::Dialog {
 public:
  DifferenceDialog();
};

// Runs the dialog until a valid lag 1 <= d < n - 1 is given (then the step is
// pushed and `refresh` redraws the project's views) or the user cancels.
// A rejected lag shows its message and opens the dialog again. Returns
// whether a step was applied.
bool RunDifferenceDialog(platform::Platform& platform, UnivariateProject& project,
                         const std::function<void()>& refresh);

}  // namespace kora
