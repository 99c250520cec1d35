#include "stats/acf_view.h"

#include <numeric>

#include "arma/model_views.h"
#include "project/project_views.h"
#include "report/number_format.h"
#include "report/number_parse.h"
#include "stats/residual_views.h"
#include "stats/sample_stats.h"

namespace kora {

namespace {

constexpr int kLagField = 1100;

// Curve numbers of the ACF/PACF window.
constexpr int kSampleAcfCurve = 1;
constexpr int kSamplePacfCurve = 2;
constexpr int kModelAcfCurve = 3;
constexpr int kModelPacfCurve = 4;

std::vector<double> Lags(size_t count) {
  std::vector<double> x(count);
  std::iota(x.begin(), x.end(), 0.0);
  return x;
}

void PutStems(PlotWindow& plot, int curve, int panel, const std::vector<double>& values, int n) {
  SetCurvePoints(plot, curve, kCurveStems, Lags(values.size()), values);
  SetCurvePanel(plot, curve, panel);
  plot.curves[curve - 1].boundCount = n;
}

void PutModelCurve(PlotWindow& plot, int curve, int panel, const std::vector<double>& values) {
  SetCurvePoints(plot, curve, kCurveLine, Lags(values.size()), values);
  SetCurvePanel(plot, curve, panel);
}

class SpecifyLagDialogModel : public platform::Dialog {
 public:
  explicit SpecifyLagDialogModel(int lags) : Dialog("Specify Lag") {
    Add(platform::EditField(kLagField, "Enter # of lags :", FormatInteger(lags)));
    Add(platform::PushButton(platform::kIdOk, "OK"));
    Add(platform::PushButton(platform::kIdCancel, "Cancel"));
  }
};

}  // namespace

std::optional<std::string> LagCountRefusal(int lags, int n) {
  // Lags at or beyond n carry no information (their autocovariances are 0).
  if (n > 1 && lags >= n && n - 1 <= kMaxAcfLags)
    return "Number of lags must be less than " + std::to_string(n) + ", the number of data points";
  // The partial autocorrelations cost lags^2 operations.
  if (lags > kMaxAcfLags) return "Number of lags must not exceed " + std::to_string(kMaxAcfLags);
  return std::nullopt;
}

int NextAcfPanels(int flags) {
  const int panels = flags & (kAcfPanel | kPacfPanel);
  int next = kAcfPanel | kPacfPanel;
  if (panels == (kAcfPanel | kPacfPanel)) next = kAcfPanel;
  else if (panels == kAcfPanel) next = kPacfPanel;
  return (flags & ~(kAcfPanel | kPacfPanel)) | next;
}

void DrawAcfPlot(platform::Platform& ui, UnivariateProject& project) {
  PlotWindow& plot = project.plots[kAcfPlot];
  if (!ui.Exists(plot.window)) return;
  ClearPlotData(plot);
  SetPanelTitle(plot, 1, "ACF");
  SetPanelTitle(plot, 2, "PACF");
  const int flags = project.acfDisplayFlags;
  const bool sample = (flags & kAcfSample) && project.HasData() && !project.sampleAcf.empty();
  if (sample && (flags & kAcfPanel)) PutStems(plot, kSampleAcfCurve, 1, project.sampleAcf, project.count());
  if (sample && (flags & kPacfPanel)) PutStems(plot, kSamplePacfCurve, 2, project.samplePacf, project.count());
  // Model curves are lines beside the sample stems.
  const bool model = (flags & kAcfModel) && !project.modelAcf.empty();
  if (model && (flags & kAcfPanel)) PutModelCurve(plot, kModelAcfCurve, 1, project.modelAcf);
  if (model && (flags & kPacfPanel)) PutModelCurve(plot, kModelPacfCurve, 2, project.modelPacf);
  ComputeLimits(plot);
  ui.Invalidate(plot.window);
}

bool SampleAcfPlot(platform::Platform& ui, UnivariateProject& project) {
  if (!project.HasData()) {
    DrawAcfPlot(ui, project);  // an open window is emptied
    return false;
  }
  AcfPacf result = SampleAcfPacf(project.series, project.sampleAcfLags);
  project.sampleAcf = std::move(result.acf);
  project.samplePacf = std::move(result.pacf);
  project.sampleVariance = result.gamma0;
  // The window is titled "ACF/PACF: " + name when the ACF/PACF analysis opens
  // it; a project rename writes the registry's "ACF/PACF:" + name.
  OpenPlot(ui, project, kAcfPlot, "ACF/PACF: " + ProjectName(ui, project));
  DrawAcfPlot(ui, project);
  return true;
}

void SampleAcfCommand(platform::Platform& ui, UnivariateProject& project) {
  const bool open = PlotOpen(ui, project, kAcfPlot);
  // Repeating the command on a window that shows just the sample curves cycles its panels.
  if (open && (project.acfDisplayFlags & (kAcfSample | kAcfModel)) == kAcfSample) {
    project.acfDisplayFlags = NextAcfPanels(project.acfDisplayFlags);
    DrawAcfPlot(ui, project);
    WritePlotReport(ui, project, kAcfPlot);
    return;
  }
  project.modelAcf.clear();
  project.modelPacf.clear();
  project.acfDisplayFlags = kAcfSample | kAcfPanel | kPacfPanel;
  if (SampleAcfPlot(ui, project)) WritePlotReport(ui, project, kAcfPlot);
}

bool SpecifyLagDialog(platform::Platform& ui, UnivariateProject& project) {
  for (;;) {
    SpecifyLagDialogModel dialog(project.sampleAcfLags);
    if (ui.RunDialog(dialog) != platform::kIdOk) return false;
    auto lags = ReadFirstInteger(dialog.At(kLagField).text);
    if (!lags || *lags < 1) continue;  // rejected silently: the dialog opens again
    if (auto refusal = LagCountRefusal(*lags, project.count())) {
      ui.Message("KORA::Tarn Error", *refusal);
      continue;
    }
    project.sampleAcfLags = project.modelAcfLags = project.residualAcfLags = *lags;
    if (PlotOpen(ui, project, kAcfPlot) && (project.acfDisplayFlags & kAcfSample)) {
      SampleAcfPlot(ui, project);
      WritePlotReport(ui, project, kAcfPlot);
    }
    if (PlotOpen(ui, project, kAcfPlot) && (project.acfDisplayFlags & kAcfModel)) {
      ModelAcfPlot(ui, project);
      WritePlotReport(ui, project, kAcfPlot);
    }
    if (PlotOpen(ui, project, kResidualAcfPlot)) ResidualAcfPlot(ui, project);
    return true;
  }
}

}  // namespace kora
