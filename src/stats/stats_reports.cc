#include "stats/stats_reports.h"

#include <algorithm>

#include "arma/model_text.h"
#include "report/number_format.h"
#include "report/report.h"
#include "stats/data_summary.h"

namespace kora {
namespace {

constexpr int kCountField = 8;
constexpr int kLagsPerLine = 5;
constexpr int kAcfDecimals = 4;
constexpr int kVarianceDecimals = 8;

// The mean removed by the newest subtract-mean step, if any.
const TransformStep* NewestMeanStep(const std::vector<TransformStep>& transforms) {
  auto step = std::find_if(transforms.rbegin(), transforms.rend(),
                           [](const TransformStep& s) { return s.kind == kSubtractMean; });
  return step == transforms.rend() ? nullptr : &*step;
}

void AppendSeriesSummary(const UnivariateProject& project, Report& report) {
  const SampleSummary& summary = CachedSummary(project.series, project.dataSummary);
  if (const TransformStep* step = NewestMeanStep(project.transforms)) {
    report.AppendLine("Subtracted Mean = " + FormatFixed(step->mean, 4));
  } else {
    report.AppendLine("Sample Mean = " + FormatFixed(summary.mean, 4));
  }
  report.AppendLine("Sample Variance = " + FormatFixed(summary.variance, 6));
  report.AppendLine("Std.Error(Sample Mean) =  " + FormatFixed(summary.standardError, 6));
  report.AppendLine("(square root of (1/n)SUM{(1-|h|/r)acvf(h)}, |h|<r=[sqrt(n)])");
  report.AppendBlankLine();
}

// One ACF or PACF section: heading, optional variance line, the listing.
void AppendAcfSection(Report& report, std::string_view heading, std::string_view varianceLine,
                      const std::vector<double>& values, int count) {
  report.AppendBlankLine();
  report.AppendLine(heading);
  report.AppendBlankLine();
  if (!varianceLine.empty()) {
    report.AppendLine(varianceLine);
    report.AppendBlankLine();
  }
  report.AppendNumberRows(values, count, kLagsPerLine, kAcfDecimals);
  report.AppendBlankLine();
}

}  // namespace

std::string DataSummaryText(const UnivariateProject& project) {
  Report report;
  report.AppendHeader("KORA::Tarn", 10);
  report.AppendLine("# of Data Points = " + FormatIntegerField(project.count(), kCountField));
  report.AppendBlankLine();
  if (project.HasData()) AppendSeriesSummary(project, report);
  report.AppendLine("MODEL:");
  ModelDescriptionText(project, report);
  report.AppendBlankLine();
  report.AppendLine("WN Variance = " + FormatFixed(project.model.whiteNoiseVariance, 6));
  return report.text();
}

std::string AcfPacfReportText(const UnivariateProject& project) {
  Report report;
  report.AppendHeader("KORA::Tarn(ACF/PACF)", 15);
  report.AppendLine("# of Lags = " + FormatIntegerField(project.sampleAcfLags, kCountField));
  report.AppendBlankLine();
  const int flags = project.acfDisplayFlags;
  if ((flags & (kAcfPanel | kPacfPanel)) == 0) return report.text();

  const bool sample = flags & kAcfSample;
  const bool model = flags & kAcfModel;
  const int sampleLags = project.sampleAcfLags;
  const int modelLags = project.modelAcfLags;
  if (sample) {
    AppendAcfSection(report, "Sample Autocorrelations:",
                     "Sample Variance = " + FormatFixed(project.sampleVariance, kVarianceDecimals),
                     project.sampleAcf, sampleLags);
  }
  if (model) {
    AppendAcfSection(report, "Model Autocorrelations:",
                     "Gamma(0) = " + FormatFixed(project.model.modelGamma0, kVarianceDecimals),
                     project.modelAcf, modelLags);
  }
  if (sample)
    AppendAcfSection(report, "Sample Partial Autocorrelations:", "", project.samplePacf, sampleLags);
  if (model) AppendAcfSection(report, "Model Partial Autocorrelations:", "", project.modelPacf, modelLags);
  return report.text();
}

}  // namespace kora
