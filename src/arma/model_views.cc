#include "arma/model_views.h"

#include <algorithm>

#include "arma/likelihood.h"
#include "arma/model_acvf.h"
#include "arma/model_text.h"
#include "project/project_views.h"
#include "report/number_format.h"
#include "report/report.h"
#include "stats/acf_view.h"

namespace kora {

namespace {

constexpr int kInfinityTerms = 50;
constexpr int kColumn = 15;
constexpr int kDefaultLags = 40;

std::string RightAligned(const std::string& text) {
  return text.size() >= kColumn ? text : std::string(kColumn - text.size(), ' ') + text;
}

std::string AcfTitle(const platform::Platform& ui, const UnivariateProject& project) {
  return "ACF/PACF: " + ProjectName(ui, project);
}

}  // namespace

bool ModelAcfPlot(platform::Platform& ui, UnivariateProject& project) {
  if (project.modelAcfLags < 1) project.modelAcfLags = kDefaultLags;
  ModelAcfResult result = ModelAcfPacf(project.model, project.modelAcfLags);
  const bool computed = result.status == 0;
  if (computed) {
    project.modelAcf = std::move(result.acf);
    project.modelPacf = std::move(result.pacf);
    project.model.modelGamma0 = result.gamma0;
  }
  OpenPlot(ui, project, kAcfPlot, AcfTitle(ui, project));
  DrawAcfPlot(ui, project);
  return computed;
}

void ModelAcfCommand(platform::Platform& ui, UnivariateProject& project) {
  // Repeating the command on a window that shows just the model curves cycles its panels.
  if (PlotOpen(ui, project, kAcfPlot) && (project.acfDisplayFlags & (kAcfSample | kAcfModel)) == kAcfModel) {
    project.acfDisplayFlags = NextAcfPanels(project.acfDisplayFlags);
    DrawAcfPlot(ui, project);
  } else {
    project.sampleAcf.clear();
    project.samplePacf.clear();
    project.acfDisplayFlags = kAcfModel | kAcfPanel | kPacfPanel;
    ModelAcfPlot(ui, project);
  }
  WritePlotReport(ui, project, kAcfPlot);
}

void SampleModelAcfCommand(platform::Platform& ui, UnivariateProject& project) {
  const int both = kAcfSample | kAcfModel;
  if (PlotOpen(ui, project, kAcfPlot) && (project.acfDisplayFlags & both) == both) {
    project.acfDisplayFlags = NextAcfPanels(project.acfDisplayFlags);
    DrawAcfPlot(ui, project);
  } else {
    project.acfDisplayFlags = both | kAcfPanel | kPacfPanel;
    SampleAcfPlot(ui, project);
    ModelAcfPlot(ui, project);
  }
  WritePlotReport(ui, project, kAcfPlot);
}

std::string ArMaInfinityText(const UnivariateProject& project) {
  const InfinityWeights weights = ArMaInfinityWeights(project.model, kInfinityTerms);
  Report report;
  report.AppendHeader("KORA::Tarn(AR/MA Infinity)", 26);
  report.AppendBlankLine();
  ModelDescriptionText(project, report);
  report.AppendBlankLine();
  report.AppendLine("AR/MA Infinity: ");
  report.AppendLine(weights.invertible ? "                   MA-Infinity    AR-Infinity"
                                       : "                   MA-Infinity Non-Invertible");
  for (int j = 0; j < kInfinityTerms; ++j) {
    std::string row = RightAligned(FormatInteger(j)) + RightAligned(FormatFixed(weights.psi[j], 5));
    row += weights.invertible ? RightAligned(FormatFixed(weights.pi[j], 5)) : "       *       ";
    report.AppendLine(row);
  }
  report.AppendBlankLine();
  return report.text();
}

void ArMaInfinityReport(platform::Platform& ui, UnivariateProject& project) {
  WindowId& window = project.reports[kArmaInfinityReport];
  const std::string title = "AR/MA Infinity: " + ProjectName(ui, project);
  if (!ui.Exists(window))
    window = ui.CreateWindow(platform::kReportWindow, title, project.plots[kMainPlot].ownerSlot);
  WriteReportWindow(ui, window, title, ArMaInfinityText(project));
}

bool SwitchToInvertible(platform::Platform& ui, UnivariateProject& project) {
  ArmaModel& model = project.model;
  if (IsInvertible(model)) {
    ui.Message("Message box", " Model is invertible");
    return false;
  }
  const InnovationsCoefficientsResult converged = InnovationsCoefficients(project);
  if (converged.status != 0) return false;
  const int p = model.arOrder, q = model.maOrder;
  for (int j = 0; j < q; ++j) model.theta[j] = converged.theta[j];
  if (model.freeParamCount < p + q) {
    // Fixed MA coefficients become free: the free AR indices, then every MA index.
    std::array<int, kMaxCombined> list{};
    int k = 0;
    for (int i = 0; i < model.freeParamCount; ++i)
      if (model.freeParamList[i] >= 1 && model.freeParamList[i] <= p) list[k++] = model.freeParamList[i];
    for (int j = 1; j <= q; ++j) list[k++] = p + j;
    model.freeParamList = list;
    model.freeParamCount = k;
  }
  const double s0 = model.residualSsOverN, sigma0 = model.whiteNoiseVariance;
  if (ArmaLikelihood(project, kMaximumLikelihood) == 0) {
    const double s1 = model.whiteNoiseVariance;
    model.residualSsOverN = s1;
    model.whiteNoiseVariance = s0 > 0 ? sigma0 * s1 / s0 : s1;
  } else {
    model.whiteNoiseVariance = sigma0;
  }
  return true;
}

void RefreshModelViews(platform::Platform& ui, UnivariateProject& project) {
  if (PlotOpen(ui, project, kAcfPlot) && (project.acfDisplayFlags & kAcfModel)) {
    ModelAcfPlot(ui, project);
    WritePlotReport(ui, project, kAcfPlot);
  }
  if (ui.Exists(project.reports[kArmaInfinityReport])) ArMaInfinityReport(ui, project);
}

}  // namespace kora
