#include "multivariate/var_report.h"

#include <cstddef>

#include "forecast/holt_winters_report.h"
#include "report/aicc_text.h"
#include "report/number_format.h"
#include "report/report.h"

namespace kora {

using std::size_t;

namespace {

constexpr int kBanner = 40;
constexpr int kMatrixDecimals = 6;

// The m values of row i, each fixed in a 15-character field.
std::string MatrixRow(const std::vector<double>& values, size_t from, int m) {
  std::string line;
  for (int k = 0; k < m; ++k) line += FixedField(values[from + k], kMatrixDecimals);
  return line;
}

}  // namespace

std::string MultivariateInfoText(const MultivariateProject& project) {
  Report report;
  report.AppendHeader("KORA::Multivariate", 18);
  report.AppendLine("# of Series = " + FormatIntegerField(project.data.m, 8));
  report.AppendLine("# of Data Points = " + FormatIntegerField(project.data.n, 8));
  report.AppendBlankLine();
  return report.text();
}

std::string VarEstimatesText(const MultivariateArModel& model, VarEstimator estimator, bool searched) {
  const bool burg = estimator == VarEstimator::kBurg;
  const int m = static_cast<int>(model.phi0.size());
  Report report;
  report.AppendHeader(
      burg ? "KORA::(Multivariate Burg Estimates)" : "KORA::(Multivariate Yule-Walker Estimates)", kBanner);
  report.AppendBlankLine();
  if (searched) report.AppendLine("Optimal value of p = " + FormatInteger(model.order));
  report.AppendBlankLine();
  report.AppendLine(" PHI(0)");
  report.AppendLine(MatrixRow(model.phi0, 0, m));
  for (int j = 1; j <= model.order; ++j) {
    report.AppendLine(" PHI(" + FormatInteger(j) + ")");
    for (int i = 0; i < m; ++i) report.AppendLine(MatrixRow(model.phi[j - 1], static_cast<size_t>(i) * m, m));
  }
  report.AppendBlankLine();
  report.AppendBlankLine();
  report.AppendLine(burg ? "Burg White Noise Covariance Matrix, V" : "Y-W White Noise Covariance Matrix, V");
  for (int i = 0; i < m; ++i) report.AppendLine(MatrixRow(model.v, static_cast<size_t>(i) * m, m));
  report.AppendBlankLine();
  // VarAicc marks an order too high for the data with 1e20.
  report.AppendLine("AICC = " + (model.aicc >= 1e20 ? std::string(kAiccUndefinedText) : FormatFixed(model.aicc, 6)));
  return report.text();
}

std::string VarForecastText(const MultivariateArModel& model) {
  Report report;
  report.AppendHeader("KORA::(Multivariate AR Forecasts)", kBanner);
  report.AppendBlankLine();
  report.AppendLine("   ");
  const int endpoint = model.mvEndpoint;
  for (size_t k = 0; k < model.mvForecast.size(); ++k) {
    report.AppendLine("   ");
    report.AppendLine(" Series(" + FormatInteger(static_cast<int>(k) + 1) + ")");
    report.AppendLine("           Time     Prediction      ");
    report.AppendLine("   ");
    for (int h = 1; h <= model.mvForecastCount; ++h)
      report.AppendLine(FormatIntegerField(endpoint + h, 15) +
                        FixedField(model.mvForecast[k][endpoint + h - 1], 5));
    report.AppendLine("   ");
  }
  return report.text();
}

}  // namespace kora
