// Model > Autofit: every ARMA(p, q) within the dialog's bounds fitted by
// maximum likelihood; the one with the smallest AICC becomes the project's model.
#include <string>

#include "app/application.h"
#include "app/commands.h"
#include "arma/autofit.h"
#include "arma/autofit_dialog.h"
#include "arma/autofit_report.h"
#include "arma/likelihood.h"
#include "arma/max_likelihood_report.h"
#include "project/project_views.h"
#include "regression/regression_trend.h"
#include "transform/transform_ops.h"

namespace kora {

namespace {

// The mean may still be subtracted: no mean step yet and no regression trend.
bool MeanChoice(const UnivariateProject& project) {
  if (TrendPresent(project.trend)) return false;
  for (const TransformStep& step : project.transforms)
    if (step.kind == kSubtractMean) return false;
  return true;
}

// Stores the best candidate as Model > Estimation > Max likelihood would.
void StoreBest(const AutofitCandidate& best, UnivariateProject& project) {
  ArmaModel model = best.start;
  model.aicc = project.model.aicc;  // becomes previousAicc
  model.impulseTerms = project.model.impulseTerms;
  StoreMlEstimate(best.estimate, model);
  project.model = model;
  project.iterationCount = best.estimate.iterations;
}

}  // namespace

void AutofitCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (!project.HasData()) return;
  const bool meanChoice = MeanChoice(project);
  AutofitDialog dialog(AutofitRequest{}, meanChoice);
  if (app.ui.RunDialog(dialog) != platform::kIdOk) return;
  const AutofitRequest request = dialog.request();
  if (meanChoice && request.subtractMean) {
    PushSubtractMean(project);
    RefreshViews(app.ui, project, true, false);
    app.UpdateFrame();
  }
  AutofitOptions options;
  options.maxP = request.maxP;
  options.maxQ = request.maxQ;
  options.progress = [&](int done, int total) {
    app.ui.ShowProgress("Autofit  " + std::to_string(done) + " of " + std::to_string(total));
  };
  const AutofitResult result = Autofit(WorkingSeries(project), options);
  if (result.found()) {
    StoreBest(result.candidates.front(), project);
    RefreshViews(app.ui, project, false, true);
    ShowReportOnly(app.ui, project, kMaxLikelihoodReport, MlReportText(project));
  }
  ShowReportOnly(app.ui, project, kAutofitReport, AutofitReportText(result, request.maxP, request.maxQ));
  app.UpdateFrame();
}

}  // namespace kora
