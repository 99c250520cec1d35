#include "stats/residual_views.h"

#include <algorithm>
#include <numeric>

#include "project/project_views.h"
#include "report/number_format.h"
#include "report/number_parse.h"
#include "report/report.h"
#include "stats/acf_view.h"
#include "stats/randomness.h"
#include "stats/residuals.h"
#include "stats/sample_stats.h"
#include "transform/placed_control.h"

namespace kora {

namespace {

constexpr int kHField = 1100;
constexpr int kLagsPerLine = 5;
constexpr int kAcfDecimals = 4;
constexpr int kVarianceDecimals = 8;
constexpr int kLargestH = 54;  // h may reach 54 once n exceeds 53

std::string ResidualVarianceLine(const UnivariateProject& project) {
  return "Residual Variance = " + FormatFixed(project.model.residualSsOverN, kVarianceDecimals);
}

void PutStems(PlotWindow& plot, int curve, int panel, const std::vector<double>& values, int n) {
  std::vector<double> lags(values.size());
  std::iota(lags.begin(), lags.end(), 0.0);
  SetCurvePoints(plot, curve, kCurveStems, lags, values);
  SetCurvePanel(plot, curve, panel);
  plot.curves[curve - 1].boundCount = n;
}

void DrawResidualAcf(platform::Platform& ui, UnivariateProject& project) {
  PlotWindow& plot = project.plots[kResidualAcfPlot];
  ClearPlotData(plot);
  SetPanelTitle(plot, 1, "ACF");
  SetPanelTitle(plot, 2, "PACF");
  const int flags = project.residualAcfDisplayFlags;
  const int n = static_cast<int>(project.residuals.size());
  if (flags & kAcfPanel) PutStems(plot, 1, 1, project.residualAcf, n);
  if (flags & kPacfPanel) PutStems(plot, 2, 2, project.residualPacf, n);
  ComputeLimits(plot);
  ui.Invalidate(plot.window);
}

class HDialogModel : public platform::Dialog {
 public:
  HDialogModel(int m, int upper, int suggested) : Dialog("Tests of Randomness") {
    using namespace platform;
    width = 240;
    height = 100;
    Add(Placed(
        StaticText(0,
                   "Input the value of h for the two portmanteau tests (Ljung-Box test for iid residuals "
                   "and McLeod-Li test for iid Gaussian residuals)."),
        8, 8, 224, 24));
    Add(Placed(StaticText(0, "Enter value of h, " + FormatInteger(m) + " < h < " + FormatInteger(upper)), 8,
               36, 150, 10));
    Add(Placed(StaticText(0, "Suggested value is " + FormatInteger(suggested) + "."), 8, 48, 150, 10));
    Add(Placed(EditField(kHField, "", FormatInteger(suggested)), 170, 40, 40, 12));
    Add(Placed(PushButton(kIdOk, "OK"), 120, 76, 50, 14));
    Add(Placed(PushButton(kIdCancel, "Cancel"), 180, 76, 50, 14));
  }
};

}  // namespace

std::string ResidualPlotText(const UnivariateProject& project) {
  Report report;
  report.AppendHeader("KORA::Tarn(Residual Plot)", 25);
  report.AppendBlankLine();
  report.AppendLine(ResidualVarianceLine(project));
  report.AppendBlankLine();
  return report.text();
}

void ResidualPlot(platform::Platform& ui, UnivariateProject& project) {
  if (project.residuals.empty()) return;
  PlotWindow& plot = OpenPlot(ui, project, kResidualPlot, "Residuals: " + ProjectName(ui, project));
  ClearPlotData(plot);
  SetCurve(plot, 1, project.residuals, project.firstIndex, project.lastIndex);
  ui.Invalidate(plot.window);
  WritePlotReport(ui, project, kResidualPlot);
}

std::string ResidualAcfText(const UnivariateProject& project) {
  Report report;
  report.AppendHeader("KORA::Tarn(Residual ACF/PACF)", 29);
  report.AppendLine("   ");
  report.AppendLine("# of Lags = " + FormatIntegerField(project.residualAcfLags, 8));
  report.AppendBlankLine();
  report.AppendLine(ResidualVarianceLine(project));
  report.AppendBlankLine();
  if (project.residualAcfDisplayFlags & (kAcfPanel | kPacfPanel)) {
    const int lags = project.residualAcfLags;
    for (const auto& [heading, values] : {std::pair{"Autocorrelations:", &project.residualAcf},
                                          {"Partial Autocorrelations:", &project.residualPacf}}) {
      report.AppendBlankLine();
      report.AppendLine(heading);
      report.AppendBlankLine();
      report.AppendNumberRows(*values, lags, kLagsPerLine, kAcfDecimals);
      report.AppendBlankLine();
    }
  }
  return report.text();
}

void ResidualAcfPlot(platform::Platform& ui, UnivariateProject& project) {
  if (project.residuals.empty()) return;
  AcfPacf result = SampleAcfPacf(project.residuals, project.residualAcfLags);
  project.residualAcf = std::move(result.acf);
  project.residualPacf = std::move(result.pacf);
  OpenPlot(ui, project, kResidualAcfPlot, "Residuals:ACF/PACF: " + ProjectName(ui, project));
  DrawResidualAcf(ui, project);
  WritePlotReport(ui, project, kResidualAcfPlot);
}

void ResidualAcfCommand(platform::Platform& ui, UnivariateProject& project) {
  if (project.residuals.empty()) return;
  if (!PlotOpen(ui, project, kResidualAcfPlot)) return ResidualAcfPlot(ui, project);
  project.residualAcfDisplayFlags = NextAcfPanels(project.residualAcfDisplayFlags);
  DrawResidualAcf(ui, project);
  WritePlotReport(ui, project, kResidualAcfPlot);
}

std::optional<int> HDialog(platform::Platform& ui, int m, int n) {
  const int upper = n > kLargestH - 1 ? kLargestH : n;
  const int suggested = AutomaticH(m, n);
  for (;;) {
    HDialogModel dialog(m, upper, suggested);
    if (ui.RunDialog(dialog) != platform::kIdOk) return std::nullopt;
    const std::optional<int> h = ReadFirstInteger(dialog.At(kHField).text);
    if (h && *h >= m && *h <= upper) return h;
    ui.Message("ERROR", " h out of range. Try again.");
  }
}

void RandomnessTests(platform::Platform& ui, UnivariateProject& project, bool interactive) {
  if (project.residuals.empty()) return;
  const int n = static_cast<int>(project.residuals.size());
  const int m = project.model.freeParamCount;
  std::optional<int> h = interactive ? HDialog(ui, m, n) : std::optional<int>(AutomaticH(m, n));
  if (!h || *h < m || *h < 0) return;  // cancelled, or too few residuals for any valid h
  const std::string text = RandomnessReportText(RandomnessTestStats(project.residuals, *h), m);
  WindowId& window = project.reports[kTestsOfRandomnessReport];
  const std::string title = "Tests of randomness: " + ProjectName(ui, project);
  if (!ui.Exists(window))
    window = ui.CreateWindow(platform::kReportWindow, title, project.plots[kMainPlot].ownerSlot);
  WriteReportWindow(ui, window, title, text);
}

void RefreshResidualViews(platform::Platform& ui, UnivariateProject& project) {
  if (project.HasData()) ModelResiduals(project);
  if (project.residuals.empty()) return;
  if (ui.Exists(project.reports[kTestsOfRandomnessReport])) RandomnessTests(ui, project, false);
  if (PlotOpen(ui, project, kResidualPlot)) ResidualPlot(ui, project);
  if (PlotOpen(ui, project, kResidualAcfPlot)) ResidualAcfPlot(ui, project);
}

}  // namespace kora
