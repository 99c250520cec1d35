// Transform and Statistics commands on the current univariate project.
#include "app/application.h"
#include "app/commands.h"
#include "project/project_views.h"
#include "stats/acf_view.h"
#include "transform/box_cox_dialog.h"
#include "transform/difference_dialog.h"
#include "transform/subsequence_dialog.h"
#include "transform/undo_command.h"
#include "transform/transform_ops.h"

namespace kora {

namespace {

// After a transformation: every view follows the new series, then the menus
// and the status bar follow the transformation list.
std::function<void()> RefreshAfterTransform(Application& app, UnivariateProject& project) {
  return [&app, &project] {
    RefreshViews(app.ui, project, true, false);
    app.UpdateMenus();
    app.UpdateStatus();
  };
}

}  // namespace

void DifferenceCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  RunDifferenceDialog(app.ui, project, RefreshAfterTransform(app, project));
}

void BoxCoxCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  RunBoxCoxDialog(app.ui, project, RefreshAfterTransform(app, project));
}

void SubsequenceCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  RunSubsequenceDialog(app.ui, project, RefreshAfterTransform(app, project));
}

void SubtractMeanCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (!project.HasData()) return;
  PushSubtractMean(project);
  RefreshAfterTransform(app, project)();
}

void UndoCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  RunUndoTransform(app.ui, project, RefreshAfterTransform(app, project));
}

void SampleAcfCommand(Application& app) { SampleAcfCommand(app.ui, *app.CurrentUnivariate()); }

void SpecifyLagCommand(Application& app) { SpecifyLagDialog(app.ui, *app.CurrentUnivariate()); }

}  // namespace kora
