#include "transform/subsequence_dialog.h"

#include "report/number_format.h"
#include "report/number_parse.h"
#include "transform/placed_control.h"
#include "transform/transform_caption.h"
#include "transform/transform_ops.h"

namespace kora {

using platform::kIdCancel;
using platform::kIdOk;

SubsequenceDialog::SubsequenceDialog(int firstIndex, int lastIndex) : Dialog("Select Subsequence") {
  width = 170;
  height = 80;
  Add(Placed(platform::StaticText(kSubsequenceTitleText, "Time Index:"), 10, 8, 60, 10));
  Add(Placed(platform::EditField(kSubsequenceMinField, "Min", FormatInteger(firstIndex)), 30, 24, 40, 12));
  Add(Placed(platform::EditField(kSubsequenceMaxField, "Max", FormatInteger(lastIndex)), 110, 24, 40, 12));
  Add(Placed(platform::PushButton(kIdOk, "OK"), 25, 56, 50, 14));
  Add(Placed(platform::PushButton(kIdCancel, "Cancel"), 95, 56, 50, 14));
}

bool RunSubsequenceDialog(platform::Platform& platform, UnivariateProject& project,
                          const std::function<void()>& refresh) {
  const int first = project.firstIndex, last = project.lastIndex;
  for (;;) {
    SubsequenceDialog dialog(first, last);
    if (platform.RunDialog(dialog) != kIdOk) return false;
    const std::optional<int> lo = ReadFirstInteger(dialog.At(kSubsequenceMinField).text);
    const std::optional<int> hi = ReadFirstInteger(dialog.At(kSubsequenceMaxField).text);
    if (lo && hi && first <= *lo && *lo < *hi && *hi <= last && PushSubsequence(project, *lo, *hi)) {
      refresh();
      return true;
    }
    platform.Message(kTarnErrorCaption,
                     "Select a subsequence in [" + FormatInteger(first) + "," + FormatInteger(last) + "]");
  }
}

}  // namespace kora
