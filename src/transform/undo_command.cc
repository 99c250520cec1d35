#include "transform/undo_command.h"

#include "transform/transform_caption.h"
#include "transform/transform_ops.h"

namespace kora {

bool RunUndoTransform(platform::Platform& platform, UnivariateProject& project,
                      const std::function<void()>& refresh) {
  if (TrendPresent(project.trend)) {
    platform.Message(kTarnErrorCaption, "Must remove regression function before untransforming");
    return false;
  }
  if (!UndoTopStep(project)) return false;
  refresh();
  return true;
}

}  // namespace kora
