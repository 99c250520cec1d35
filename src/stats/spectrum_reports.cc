#include "stats/spectrum_reports.h"

#include "report/number_format.h"
#include "report/report.h"
#include "stats/daniell.h"

namespace kora {

namespace {

constexpr int kBanner = 15;
constexpr int kDigits = 5;

}  // namespace

std::string SpectrumReportText(const UnivariateProject& project) {
  Report report;
  report.AppendHeader("KORA::Tarn(SPECTRUM)", kBanner);
  report.AppendBlankLine();
  report.AppendLine("Number of frequencies in periodogram = " +
                    FormatInteger(static_cast<int>(project.periodogram.size())));
  report.AppendBlankLine();
  if (project.showSmoothed && !project.daniellWeights.empty()) {
    const std::vector<double>& w = project.daniellWeights;
    report.AppendLine("Smoothing coefficients:");
    for (size_t j = 0; j < w.size(); ++j)
      report.AppendLine("W[" + FormatInteger(static_cast<int>(j)) + "] = " + FormatSignificant(w[j], kDigits));
    report.AppendLine(" ");
    report.AppendLine("Smooth coefficient sum of squares = " + FormatSignificant(WeightSumOfSquares(w), kDigits));
  } else {
    report.AppendLine("No smoothing done.");
  }
  report.AppendBlankLine();
  report.AppendLine("Fisher's test:");
  report.AppendLine("Ratio of maximum periodogram ordinate to average = " +
                    FormatSignificant(project.fisherRatio, kDigits));
  report.AppendLine("Probability (under H0) of seeing this or larger = " +
                    FormatSignificant(project.fisherProbability, kDigits));
  report.AppendBlankLine();
  return report.text();
}

std::string CumulativeSpectrumReportText() {
  Report report;
  report.AppendHeader("KORA::Tarn(CUMULATIVE SPECTRUM)", kBanner);
  report.AppendBlankLine();
  return report.text();
}

}  // namespace kora
