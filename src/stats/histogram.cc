#include "stats/histogram.h"

#include <algorithm>
#include <cmath>

#include "report/number_format.h"
#include "report/report.h"

namespace kora {

namespace {

constexpr int kCountField = 8;

std::string BinReport(const char* title, int banner, int bins) {
  Report report;
  report.AppendHeader(title, banner);
  report.AppendLine("# of Bins = " + FormatIntegerField(bins, kCountField));
  return report.text();
}

}  // namespace

int AutomaticBinCount(int n) {
  if (n < 2) return 1;
  return 2 * static_cast<int>(std::floor(std::log(static_cast<double>(n)) / std::log(2.0))) + 1;
}

HistogramBins CountBins(const std::vector<double>& values, double lo, double hi, int bins, bool countHiInLastBin) {
  HistogramBins result;
  if (bins < 1) return result;
  if (!(hi > lo)) {
    lo -= 1.0;
    hi += 1.0;
  }
  const double w = (hi - lo) / bins;
  result.edges.resize(static_cast<size_t>(bins) + 1);
  for (int i = 0; i <= bins; ++i) result.edges[i] = lo + i * w;
  result.counts.assign(static_cast<size_t>(bins), 0.0);
  for (double v : values) {
    // The bin number is formed in floating point: far-out values must not overflow an int.
    double k = std::floor((v - lo) / w) + 1.0;
    if (countHiInLastBin && v == hi) k = bins;
    if (k >= 1.0 && k <= bins) result.counts[static_cast<size_t>(k) - 1] += 1.0;
  }
  return result;
}

std::string HistogramReportText(int bins) { return BinReport("KORA::Tarn(Histogram)", 21, bins); }

std::string ResidualHistogramReportText(int bins) {
  return BinReport("KORA::Tarn(Residuals Histogram)", 31, bins);
}

}  // namespace kora
