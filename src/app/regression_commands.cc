// Regression menu: specify, estimate (LS, GLS), remove and show the trend.
#include "app/application.h"
#include "app/commands.h"
#include "project/project_views.h"
#include "regression/regression_dialog.h"
#include "regression/regression_estimation.h"
#include "regression/regression_view.h"

namespace kora {

void RegressionSpecifyCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (!project.HasData()) return;
  RunRegressionDialog(app.ui, project);
  BuildTrendDesign(project);
  app.UpdateMenus();
}

void LeastSquaresCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (!EstimateRegressionLS(project)) return;
  RefreshRegressionViews(app.ui, project);
  app.UpdateFrame();
}

void GeneralizedLeastSquaresCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (!project.trend.trendSpecified) {
    app.ui.Message("KORA::Error", "Must specify regression function before estimation.");
    return;
  }
  if (!EstimateRegressionGLS(project)) return;
  RefreshRegressionViews(app.ui, project);
  app.UpdateFrame();
}

void RegressionRemoveCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  RemoveRegressionTrend(project);
  RefreshViews(app.ui, project, true, false);
  CloseRegressionViews(app.ui, project);
  app.UpdateFrame();
}

void RegressionShowFitCommand(Application& app) { ShowRegressionFit(app.ui, *app.CurrentUnivariate(), true); }

}  // namespace kora
