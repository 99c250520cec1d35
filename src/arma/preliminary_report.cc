#include "arma/preliminary_report.h"

#include "arma/estimation_settings.h"
#include "arma/likelihood.h"
#include "arma/model_text.h"
#include "report/aicc_text.h"
#include "report/number_format.h"

namespace kora {

namespace {

constexpr int kField = 15;
constexpr int kPerRow = 4;
constexpr int kDecimals = 6;

std::string MethodLine(int method) {
  switch (method) {
    case kYuleWalkerMinAicc:
      return "Method: Yule-Walker (Minimum AICC)";
    case kBurgMinAicc:
      return "Method: Burg (Minimum AICC)";
    case kYuleWalker:
      return "Method: Yule-Walker";
    case kBurg:
      return "Method: Burg";
    case kInnovations:
      return "Method: Innovations";
    default:
      return "Method: Hannan-Rissanen";
  }
}

std::string MethodVarianceLabel(int method, int p, int q) {
  if (q == 0) {
    if (method == kYuleWalkerMinAicc || method == kYuleWalker) return "WN variance estimate (Yule Walker): ";
    if (method == kBurgMinAicc || method == kBurg) return "WN variance estimate (Burg): ";
  }
  if (p == 0) {
    if (method == kInnovations) return "WN variance estimate (Innovations): ";
    if (method == kHannanRissanen) return "WN variance estimate (Hannan-Rissanen): ";
  }
  return "";
}

std::vector<double> Slice(const std::array<double, kMaxCombined>& values, int from, int count) {
  return std::vector<double>(values.begin() + from, values.begin() + from + count);
}

}  // namespace

void AppendCoefficientRows(Report& report, const std::vector<double>& values) {
  std::string row;
  for (size_t i = 0; i < values.size(); ++i) {
    const std::string number = FormatFixed(values[i], kDecimals);
    if (static_cast<int>(number.size()) < kField) row.append(kField - number.size(), ' ');
    row += number;
    if ((i + 1) % kPerRow == 0 || i + 1 == values.size()) {
      report.AppendLine(row);
      row.clear();
    }
  }
}

void AppendCoefficientBlocks(Report& report, const ArmaModel& model) {
  const int p = model.arOrder, q = model.maOrder;
  if (p > 0) {
    report.AppendLine("AR Coefficients");
    AppendCoefficientRows(report, std::vector<double>(model.phi.begin(), model.phi.begin() + p));
  }
  report.AppendBlankLine();
  if (q > 0) {
    report.AppendLine("MA Coefficients");
    AppendCoefficientRows(report, std::vector<double>(model.theta.begin(), model.theta.begin() + q));
  }
}

std::string PreliminaryReportText(const UnivariateProject& project) {
  const ArmaModel& model = project.model;
  const PreliminarySettings& settings = project.preliminary;
  const int p = model.arOrder, q = model.maOrder;
  Report report;
  report.AppendHeader("KORA::Tarn(Preliminary estimates)", 33);
  report.AppendBlankLine();
  report.AppendLine(MethodLine(settings.prelimMethod));
  if (settings.prelimMethod == kInnovations)
    report.AppendLine("(Number of ACVF's used is " + FormatInteger(settings.acvfCount) + ".)");
  report.AppendBlankLine();
  ModelDescriptionText(project, report);
  report.AppendBlankLine();
  report.AppendLine("WN Variance = " + FormatFixed(model.whiteNoiseVariance, 6));
  report.AppendBlankLine();
  AppendCoefficientBlocks(report, model);
  report.AppendBlankLine();
  if (settings.ratiosAvailable) {
    if (p > 0) {
      report.AppendLine("Ratio of AR coeff. to 1.96 * (standard error)");
      AppendCoefficientRows(report, Slice(model.standardErrors, 0, p));
    }
    report.AppendBlankLine();
    if (q > 0) {
      report.AppendLine("Ratio of MA coeff. to 1.96 * (standard error)");
      AppendCoefficientRows(report, Slice(model.standardErrors, p, q));
    }
    report.AppendBlankLine();
  }
  report.AppendLine("(Residual SS)/N = " + FormatSignificant(model.residualSsOverN, 6));
  report.AppendBlankLine();
  const std::string label = MethodVarianceLabel(settings.prelimMethod, p, q);
  if (!label.empty()) {
    report.AppendLine(label + FormatFixed(settings.methodWnVariance, 6));
    report.AppendBlankLine();
  }
  report.AppendLine("-2Log(Like) = " + FormatFixed(model.minus2LogLikelihood, 6));
  report.AppendLine("AICC = " + AiccText(model.aicc, project.count(), p + q));
  if (TrendPresent(project.trend)) {
    const int regressors = static_cast<int>(project.trend.beta.size());
    const std::string value =
        AiccText(AiccCorrectedForRegression(model.minus2LogLikelihood, project.count(), p, q, regressors),
                 project.count(), p + q + regressors);
    report.AppendLine("AICC = " + std::string(value.size() < kField ? kField - value.size() : 0, ' ') +
                      value + "(Corrected for regression)");
  }
  report.AppendBlankLine();
  return report.text();
}

}  // namespace kora
