// The Smooth menu: exponential, FFT and moving-average smoothing of the
// imported series, each previewed in its window while its dialog is open.
#include "app/application.h"
#include "app/commands.h"
#include "project/project_views.h"
#include "smooth/moving_average_dialog.h"
#include "smooth/parameter_smoothing_dialog.h"
#include "smooth/smoothing_view.h"

namespace kora {

namespace {

// Opens the window, smooths with the stored parameters and runs the dialog;
// Cancel brings the saved parameters and results back and closes a window
// the command opened.
template <typename MakeDialog>
void RunSmoothing(Application& app, int plotSlot, void (*smooth)(UnivariateProject&), MakeDialog makeDialog) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (project.untransformedSeries.empty()) {
    app.ui.Message("KORA::Tarn Error", "There are no data to smooth. Import a series first.");
    return;
  }
  const bool existed = PlotOpen(app.ui, project, plotSlot);
  const SmoothingState saved = SaveSmoothing(project);
  auto apply = [&app, &project, plotSlot, smooth] {
    smooth(project);
    DrawSmoothing(app.ui, project, plotSlot);
  };
  auto dialog = makeDialog(project, apply);  // shows the parameters as stored
  OpenSmoothingWindow(app.ui, project, plotSlot);
  apply();
  if (app.ui.RunDialog(*dialog) == platform::kIdOk) return;
  RestoreSmoothing(project, saved);
  if (existed)
    DrawSmoothing(app.ui, project, plotSlot);
  else
    ClosePlotWindow(app.ui, project.plots[plotSlot]);
}

}  // namespace

void ExponentialSmoothingCommand(Application& app) {
  RunSmoothing(app, kExponentialSmoothingPlot, ApplyExponentialSmoothing,
               [](UnivariateProject& project, std::function<void()> apply) {
                 return std::make_unique<ParameterSmoothingDialog>(ExponentialDialogText(),
                                                                   project.exponentialAlpha, std::move(apply));
               });
}

void FftSmoothingCommand(Application& app) {
  RunSmoothing(app, kFftSmoothingPlot, ApplyFourierSmoothing,
               [](UnivariateProject& project, std::function<void()> apply) {
                 return std::make_unique<ParameterSmoothingDialog>(FourierDialogText(), project.fftCutoff,
                                                                   std::move(apply));
               });
}

void MovingAverageCommand(Application& app) {
  RunSmoothing(app, kMovingAverageSmoothingPlot, ApplyMovingAverageSmoothing,
               [](UnivariateProject& project, std::function<void()> apply) {
                 return std::make_unique<MovingAverageDialog>(project, std::move(apply));
               });
}

}  // namespace kora
