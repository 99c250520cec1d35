// Model > Estimation: Preliminary and Max likelihood on the current univariate project.
#include <string>

#include "app/application.h"
#include "app/commands.h"
#include "arma/likelihood.h"
#include "arma/max_likelihood.h"
#include "arma/max_likelihood_dialog.h"
#include "arma/max_likelihood_report.h"
#include "arma/preliminary_dialog.h"
#include "arma/preliminary_estimation.h"
#include "arma/preliminary_report.h"
#include "arma/whittle.h"
#include "project/project_views.h"
#include "project/window_titles.h"
#include "transform/transform_ops.h"

namespace kora {

namespace {

constexpr int kTryAgainButton = 3;

bool HasMeanStep(const UnivariateProject& project) {
  for (const TransformStep& step : project.transforms)
    if (step.kind == kSubtractMean) return true;
  return false;
}

// The regression check, or the offer to subtract the mean first.
void OfferMeanCorrection(Application& app, UnivariateProject& project) {
  if (TrendPresent(project.trend)) {
    if (!project.trend.includeIntercept)
      app.ui.Message("ERROR", "No intercept included in regression function ");
    return;
  }
  if (HasMeanStep(project)) return;
  if (!app.ui.Ask("Subtract Mean?", "Do you wish to subtract the mean?")) return;
  PushSubtractMean(project);
  RefreshViews(app.ui, project, true, false);
  app.UpdateFrame();
}

// Writes a report-only window of the project, creating it when absent.
void ShowReport(Application& app, UnivariateProject& project, int reportSlot, const std::string& text) {
  WindowId& window = project.reports[reportSlot];
  const std::string title = ReportOnlyTitlePrefix(reportSlot) + ProjectName(app.ui, project);
  if (!app.ui.Exists(window))
    window = app.ui.CreateWindow(platform::kReportWindow, title, project.plots[kMainPlot].ownerSlot);
  WriteReportWindow(app.ui, window, title, text);
}

// " Preliminary estimation" / " Maximum likelihood estimation": Continue, or
// go back to the command's dialog (true).
bool AskTryAgain(Application& app, const std::string& title, const std::string& text,
                 const std::string& again) {
  class TwoButtons : public platform::Dialog {
   public:
    TwoButtons(const std::string& title, const std::string& text, const std::string& again) : Dialog(title) {
      Add(platform::StaticText(0, text));
      Add(platform::PushButton(platform::kIdOk, "Continue"));
      Add(platform::PushButton(kTryAgainButton, again));
    }
    void OnCommand(int id) override {
      if (id == kTryAgainButton)
        End(kTryAgainButton);
      else if (id == platform::kIdOk || id == platform::kIdCancel)
        End(platform::kIdOk);
    }
  } twoButtons(title, text, again);
  return app.ui.RunDialog(twoButtons) == kTryAgainButton;
}

void FractionalMlCommand(Application& app, UnivariateProject& project) {
  project.model.estimationMode = kMaximumLikelihood;
  FractionalMlDialog dialog(project.model);
  if (app.ui.RunDialog(dialog) != platform::kIdOk) return;
  ArmaModel& model = project.model;
  if (model.fractionalStep <= 1.0e-12) model.fractionalStep = 0.1;
  const WhittleOptions options{model.noOptimization, model.estimateD, model.fractionalStep};
  StoreWhittleEstimate(EstimateWhittle(WorkingSeries(project), model, options), model);
  RefreshViews(app.ui, project, false, true);
  ShowReport(app, project, kMaxLikelihoodReport, MlReportText(project));
  app.UpdateFrame();
}

}  // namespace

void PreliminaryCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (!project.HasData()) return;
  if (project.model.fractional) {
    app.ui.Message("ERROR", "NA for fractionally integrated models.");
    return;
  }
  OfferMeanCorrection(app, project);
  for (;;) {
    PreliminaryDialog dialog(project.model.arOrder, project.model.maOrder, project.preliminary.prelimMethod);
    if (app.ui.RunDialog(dialog) != platform::kIdOk) return;
    const PreliminaryEstimate estimate = EstimatePreliminary(WorkingSeries(project), dialog.request());
    const PreliminaryOutcome outcome = estimate.outcome;
    if (outcome == PreliminaryOutcome::kFailed) {
      app.ui.Message("ERROR", kPreliminaryFailedText);
      continue;
    }
    StorePreliminaryEstimate(estimate, project);
    ShowReport(app, project, kPreliminaryReport, PreliminaryReportText(project));
    RefreshViews(app.ui, project, false, true);
    app.UpdateFrame();
    if (outcome != PreliminaryOutcome::kNonCausal) return;
    if (!AskTryAgain(app, " Preliminary estimation", "Model noncausal--all coeffs have been set to .001",
                     "Try another model/method"))
      return;
  }
}

void MaxLikelihoodCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (!project.HasData()) return;
  if (project.model.fractional) return FractionalMlCommand(app, project);
  OfferMeanCorrection(app, project);
  ArmaModel& model = project.model;
  model.storeResiduals = false;
  model.iterationLimit = 50;
  model.estimationMode = kMaximumLikelihood;
  for (;;) {
    MaxLikelihoodDialog dialog(model);
    if (app.ui.RunDialog(dialog) != platform::kIdOk) return;
    if (model.freeParamCount == 0 && !model.noOptimization) {
      app.ui.Message("Error", "No parameters to optimize.  Unconstrain parameters or respecify model.");
      continue;
    }
    model.innovTolerance = 5.0e-5;
    MlOptions options = MlOptionsOf(model);
    options.progress = [&](const MinimizerProgress& progress) {
      app.ui.ShowProgress("Iteration  " + std::to_string(progress.iteration));
      return !app.ui.StopRequested();
    };
    const MlEstimate estimate = EstimateMaxLikelihood(WorkingSeries(project), model, options);
    StoreMlEstimate(estimate, model);
    if (!model.noOptimization) project.iterationCount = estimate.iterations;
    RefreshViews(app.ui, project, false, true);
    ShowReport(app, project, kMaxLikelihoodReport, MlReportText(project));
    app.UpdateFrame();
    if (estimate.outcome == MlOutcome::kInterrupted)
      app.ui.Message("KORA", "Estimation stopped; the best estimates so far are kept.");
    if (estimate.outcome == MlOutcome::kDone || estimate.outcome == MlOutcome::kInterrupted) return;
    const char* text = estimate.outcome == MlOutcome::kNonCausal
                           ? "Model noncausal--all coeffs have been set to .001"
                           : "Iteration limit exceeded.";
    if (!AskTryAgain(app, " Maximum likelihood estimation", text, "Return to MLE dialog")) return;
  }
}

}  // namespace kora
