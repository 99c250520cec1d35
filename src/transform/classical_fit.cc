#include "transform/classical_fit.h"

#include <algorithm>
#include <cmath>

#include "project/project_views.h"
#include "report/number_format.h"
#include "report/report.h"
#include "transform/classical.h"
#include "transform/transform_ops.h"

namespace kora {

namespace {

constexpr int kDigits = 5;
constexpr int kIndexWidth = 15;
constexpr int kValueWidth = 30;

bool IsClassical(const TransformStep& step) {
  return step.kind == kClassicalSeasonal || step.kind == kClassicalHarmonic;
}

std::string Significant(double v) { return FormatSignificant(v, kDigits); }

std::string RightAligned(const std::string& text, int width) {
  return std::string(static_cast<size_t>(std::max(0, width - static_cast<int>(text.size()))), ' ') + text;
}

// " + v", or " - |v|" when v <= 0.
std::string SignedTerm(double v) { return v <= 0.0 ? " - " + Significant(std::fabs(v)) : " + " + Significant(v); }

void AppendTrend(Report& report, const TransformStep& step) {
  const auto& [a, b, c] = step.trendCoefficients;
  report.AppendLine("Polynomial Fit:");
  if (step.trendDegree <= 0)
    report.AppendLine("No regression");
  else if (step.trendDegree == 1)
    report.AppendLine("X(t) = " + Significant(b) + " * t " + SignedTerm(a));
  else
    report.AppendLine("X(t) = " + Significant(c) + " * (t^2) " + SignedTerm(b) + " * t " + SignedTerm(a));
  report.AppendBlankLine();
}

void AppendHarmonicRow(Report& report, int index, double alpha, double beta) {
  report.AppendLine(FormatIntegerField(index, kIndexWidth) + RightAligned(Significant(alpha), kValueWidth) +
                    RightAligned(Significant(beta), kValueWidth));
}

}  // namespace

void DrawClassicalFit(platform::Platform& ui, UnivariateProject& project, const std::vector<double>& data,
                      int firstIndex, const std::vector<double>& fit) {
  PlotWindow& plot =
      OpenPlot(ui, project, kClassicalFitPlot, "Classical Decomposition: " + ProjectName(ui, project));
  ClearPlotData(plot);
  const int last = firstIndex + static_cast<int>(data.size()) - 1;
  SetCurve(plot, 1, data, firstIndex, last);
  SetCurve(plot, 2, fit, firstIndex, last);
  SetCurveStyle(plot, 2, -1, -1, 0);
  ui.Invalidate(plot.window);
  WritePlotReport(ui, project, kClassicalFitPlot);
}

bool ShowClassicalFit(platform::Platform& ui, UnivariateProject& project) {
  const auto step = std::find_if(project.transforms.begin(), project.transforms.end(), IsClassical);
  if (step == project.transforms.end()) return false;
  UnivariateProject copy;
  copy.series = project.series;
  copy.firstIndex = project.firstIndex;
  copy.lastIndex = project.lastIndex;
  copy.transforms = project.transforms;
  while (!IsClassical(copy.transforms.back()))
    if (!UndoTopStep(copy)) return false;
  const ClassicalSettings settings = SettingsOfStep(copy.transforms.back());
  UndoClassical(copy);
  const std::vector<double> data = copy.series;
  std::vector<double> fit;
  if (!PushClassical(copy, settings, &fit)) return false;
  DrawClassicalFit(ui, project, data, copy.firstIndex, fit);
  return true;
}

std::string FitReportText(const UnivariateProject& project) {
  Report report;
  report.AppendHeader("KORA::Tarn(Fit)", 15);
  report.AppendBlankLine();
  const auto found = std::find_if(project.transforms.rbegin(), project.transforms.rend(), IsClassical);
  if (found == project.transforms.rend()) return report.text();
  const TransformStep& step = *found;
  AppendTrend(report, step);
  if (step.kind == kClassicalSeasonal && step.period >= 1 && static_cast<int>(step.seasonal.size()) == step.period) {
    report.AppendLine("Seasonal fit of period = " + FormatInteger(step.period));
    report.AppendLine("Seasonal components: ");
    for (int i = 1; i <= step.period; ++i)
      report.AppendLine(FormatIntegerField(i, kIndexWidth) + ")  " + Significant(step.seasonal[i - 1]));
    report.AppendBlankLine();
  }
  if (step.kind == kClassicalHarmonic) {
    report.AppendLine("Harmonic regression with " + FormatInteger(step.harmonicCount) + " Fourier frequencies.");
    report.AppendBlankLine();
    report.AppendLine("      frequency          alpha           beta");
    AppendHarmonicRow(report, 0, step.harmonicExtra, 0.0);
    for (int i = 0; i < step.harmonicCount; ++i)
      AppendHarmonicRow(report, step.fourierIndex[i], step.cosineCoefficients[i], step.sineCoefficients[i]);
  }
  return report.text();
}

}  // namespace kora
