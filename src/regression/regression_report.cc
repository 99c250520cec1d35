#include "regression/regression_report.h"

#include <cmath>
#include <cstdio>

#include "arma/model_text.h"
#include "report/report.h"

namespace kora {

namespace {

std::string Fixed(double value, int width, int decimals) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
  return buffer;
}

std::string Trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string RegressionReportText(const UnivariateProject& project) {
  const RegressionTrend& trend = project.trend;
  const bool gls = trend.estimationState == kTrendGeneralizedLs;
  Report report;
  report.AppendHeader("KORA::Tarn(Regression estimates)", 40);
  report.AppendLine("  ");
  report.AppendLine(gls ? "Method: Generalized Least Squares" : "Method: Least Squares");
  report.AppendLine("   ");
  ModelDescriptionText(project, report);
  report.AppendLine("   ");
  report.AppendLine("WN Variance = " + Trimmed(Fixed(project.model.whiteNoiseVariance, 15, 6)));
  report.AppendLine("  ");
  report.AppendLine("   ");
  report.AppendLine(gls ? "           Coeff     Value          Std Error " : "           Coeff     Value      ");
  const int m = static_cast<int>(trend.beta.size());
  for (int i = 1; i <= m; ++i) {
    char number[32];
    std::snprintf(number, sizeof number, "%15d", trend.includeIntercept ? i - 1 : i);
    std::string row = number + Fixed(trend.beta[i - 1], 15, 8);
    if (gls) {
      const size_t diagonal = static_cast<size_t>(i - 1) * m + (i - 1);
      const double variance = diagonal < trend.covariance.size() ? trend.covariance[diagonal] : 0.0;
      row += Fixed(std::sqrt(std::max(variance, 0.0)), 15, 8);
    }
    report.AppendLine(row);
  }
  report.AppendLine("   ");
  return report.text();
}

}  // namespace kora
