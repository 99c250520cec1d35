// "Select Subsequence": keeps the values whose time indices lie in a range.
//
// Control ids: 1070 static "Time Index:", 1071 edit "Min", 1072 edit "Max",
// 1 OK, 2 Cancel.
#pragma once

#include <functional>

#include "platform/dialog.h"
#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

inline constexpr int kSubsequenceTitleText = 1070;
inline constexpr int kSubsequenceMinField = 1071;
inline constexpr int kSubsequenceMaxField = 1072;

class SubsequenceDialog : public platform::Dialog {
 public:
  SubsequenceDialog(int firstIndex, int lastIndex);
};

// Runs the dialog until a range first <= lo < hi <= last is given (then the
// step is pushed and `refresh` redraws the views) or the user cancels; any
// other input shows the allowed range and opens the dialog again. Returns
// whether a step was applied.
bool RunSubsequenceDialog(platform::Platform& platform, UnivariateProject& project,
                          const std::function<void()>& refresh);

}  // namespace kora
