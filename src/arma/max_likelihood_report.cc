#include "arma/max_likelihood_report.h"

#include <vector>

#include "arma/likelihood.h"
#include "arma/model_text.h"
#include "arma/preliminary_report.h"
#include "report/aicc_text.h"
#include "report/number_format.h"
#include "report/report.h"

namespace kora {

namespace {

const char* StopMessage(MinimizerStop stop) {
  switch (stop) {
    case MinimizerStop::kGradient:
      return "Optimization stopped with gradient near zero.";
    case MinimizerStop::kStep:
      return "Optimization stopped within accuracy level.";
    case MinimizerStop::kNoLowerPoint:
      return "Uncertain minimum.";
    case MinimizerStop::kIterationLimit:
      return "Iteration limit exceeded.";
    default:
      return nullptr;
  }
}

// One coefficient group: its values, then (after an optimisation) its
// standard errors or the numerical-difficulties line.
void AppendGroup(Report& report, const UnivariateProject& project, const char* title, const char* seTitle,
                 int from, int count, const std::array<double, kMaxCoefficients>& values) {
  const ArmaModel& model = project.model;
  if (count <= 0) return;
  report.AppendLine(title);
  AppendCoefficientRows(report, std::vector<double>(values.begin(), values.begin() + count));
  if (model.noOptimization) return;
  if (model.standardErrors[0] == -1.0) {
    report.AppendLine("Numerical difficulties computing standard errors");
    return;
  }
  report.AppendLine(seTitle);
  AppendCoefficientRows(report, std::vector<double>(model.standardErrors.begin() + from,
                                                    model.standardErrors.begin() + from + count));
}

}  // namespace

std::string MlReportText(const UnivariateProject& project) {
  const ArmaModel& model = project.model;
  const int p = model.arOrder, q = model.maOrder;
  const bool optimised = !model.noOptimization;
  Report report;
  report.AppendHeader("KORA::Tarn(Maximum likelihood estimates)", 40);
  report.AppendBlankLine();
  report.AppendLine(model.estimationMode == kLeastSquares && !model.fractional
                        ? "Method: Least Squares"
                        : "Method: Maximum Likelihood");
  report.AppendBlankLine();
  ModelDescriptionText(project, report);
  report.AppendBlankLine();
  report.AppendLine("WN Variance = " + FormatFixed(model.whiteNoiseVariance, 6));
  report.AppendBlankLine();
  if (!model.fractional) {
    AppendGroup(report, project, "AR Coefficients", "Standard Error of AR Coefficients", 0, p, model.phi);
    report.AppendBlankLine();
    AppendGroup(report, project, "MA Coefficients", "Standard Error of MA Coefficients", p, q, model.theta);
  } else {
    AppendCoefficientBlocks(report, model);
  }
  report.AppendBlankLine();
  report.AppendLine("(Residual SS)/N = " + FormatSignificant(model.residualSsOverN, 6));
  report.AppendBlankLine();
  if (!(model.fractional && model.noOptimization)) {
    report.AppendLine(model.fractional ? "AIC  = " + FormatFixed(model.aicc, 6)
                                       : "AICC = " + AiccText(model.aicc, project.count(), model.freeParamCount));
    if (TrendPresent(project.trend)) {
      const int regressors = static_cast<int>(project.trend.beta.size());
      const std::string value =
          AiccText(AiccCorrectedForRegression(model.minus2LogLikelihood, project.count(), p, q, regressors),
                   project.count(), p + q + regressors);
      report.AppendLine("AICC = " + std::string(value.size() < 15 ? 15 - value.size() : 0, ' ') + value +
                        "(Corrected for regression)");
    }
  }
  if (!model.fractional && optimised) {
    report.AppendLine("BIC  = " + FormatFixed(model.bic, 6));
    if (q == 0 && p > 0) report.AppendLine("FPE  = " + FormatFixed(model.fpe, 6));
  }
  report.AppendBlankLine();
  report.AppendLine((model.fractional ? "-2Log(Likelihood) (Whittle) = " : "-2Log(Likelihood) = ") +
                    FormatFixed(model.minus2LogLikelihood, 6));
  report.AppendBlankLine();
  if (!model.fractional && optimised) {
    report.AppendLine("Accuracy parameter = " + FormatSignificant(model.accuracy, 6));
    report.AppendLine("Number of iterations = " + FormatInteger(project.iterationCount));
    report.AppendLine("Number of function evaluations = " + FormatInteger(model.functionEvaluations));
    if (const char* message = StopMessage(model.stopCode)) report.AppendLine(message);
  }
  return report.text();
}

}  // namespace kora
