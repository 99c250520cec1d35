// Transform > Classical and Transform > Show Classical Fit.
#include "app/application.h"
#include "app/commands.h"
#include "project/project_views.h"
#include "transform/classical_dialog.h"
#include "transform/classical_fit.h"

namespace kora {

void ClassicalCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (!project.HasData()) return;
  ClassicalDialog dialog(project, [&app, &project] {
    RefreshViews(app.ui, project, true, false);
    app.UpdateMenus();
    app.UpdateStatus();
  });
  app.ui.RunDialog(dialog);
}

void ShowClassicalFitCommand(Application& app) { ShowClassicalFit(app.ui, *app.CurrentUnivariate()); }

}  // namespace kora
