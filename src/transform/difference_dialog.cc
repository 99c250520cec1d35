#include "transform/difference_dialog.h"

#include "report/number_parse.h"
#include "transform/placed_control.h"
#include "transform/transform_caption.h"
#include "transform/transform_ops.h"

namespace kora {

using platform::kIdCancel;
using platform::kIdOk;

DifferenceDialog::DifferenceDialog() : Dialog("Difference the series") {
  width = 160;
  height = 60;
  Add(Placed(platform::EditField(kDifferenceLagField, "Enter lag:", "1"), 60, 10, 40, 12));
  Add(Placed(platform::PushButton(kIdOk, "OK"), 20, 36, 50, 14));
  Add(Placed(platform::PushButton(kIdCancel, "Cancel"), 90, 36, 50, 14));
}

bool RunDifferenceDialog(platform::Platform& platform, UnivariateProject& project,
                         const std::function<void()>& refresh) {
  for (;;) {
    DifferenceDialog dialog;
    if (platform.RunDialog(dialog) != kIdOk) return false;
    const std::optional<int> lag = ReadFirstInteger(dialog.At(kDifferenceLagField).text);
    if (!lag) continue;
    if (*lag < 1) {
      platform.Message(kTarnErrorCaption, "Lag must be positive");
      continue;
    }
    if (*lag >= project.count() - 1) {
      platform.Message(kTarnErrorCaption, "Lag too large for data set.");
      continue;
    }
    PushDifference(project, *lag);
    refresh();
    return true;
  }
}

}  // namespace kora
