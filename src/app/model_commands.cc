// Model commands on the current univariate project: Specify Model, the model
// ACF/PACF, the AR/MA Infinity report and the switch to an invertible model.
#include "app/application.h"
#include "app/commands.h"
#include "arma/model_views.h"
#include "arma/specify_model_dialog.h"
#include "project/project_views.h"

namespace kora {

namespace {

void RefreshAfterModelChange(Application& app, UnivariateProject& project) {
  RefreshViews(app.ui, project, false, true);
  app.UpdateMenus();
  app.UpdateStatus();
}

}  // namespace

void SpecifyModelCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (SpecifyModel(app.ui, project)) RefreshAfterModelChange(app, project);
}

void ModelAcfCommand(Application& app) { ModelAcfCommand(app.ui, *app.CurrentUnivariate()); }

void SampleModelAcfCommand(Application& app) { SampleModelAcfCommand(app.ui, *app.CurrentUnivariate()); }

void ArmaInfinityCommand(Application& app) { ArMaInfinityReport(app.ui, *app.CurrentUnivariate()); }

void SwitchToInvertibleCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (SwitchToInvertible(app.ui, project)) RefreshAfterModelChange(app, project);
}

}  // namespace kora
