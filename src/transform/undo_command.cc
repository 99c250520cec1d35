#include "transform/undo_command.h"

#include "project/project_views.h"
#include "transform/transform_caption.h"
#include "transform/transform_ops.h"

namespace kora {

bool RunUndoTransform(platform::Platform& platform, UnivariateProject& project,
                      const std::function<void()>& refresh) {
  if (TrendPresent(project.trend)) {
    platform.Message(kTarnErrorCaption, "Must remove regression function before untransforming");
    return false;
  }
  const bool classical = !project.transforms.empty() && (project.transforms.back().kind == kClassicalSeasonal ||
                                                          project.transforms.back().kind == kClassicalHarmonic);
  if (!UndoTopStep(project)) return false;
  // The fit window shows the step just undone.
  if (classical) ClosePlotWindow(platform, project.plots[kClassicalFitPlot]);
  refresh();
  return true;
}

}  // namespace kora
