// Equal-width bin counts of a vector, the automatic bin count and the
// histogram reports.
#pragma once

#include <string>
#include <vector>

namespace kora {

struct HistogramBins {
  std::vector<double> edges;   // e(0..B), e(i) = lo + i w
  std::vector<double> counts;  // c(1..B) in elements 0..B-1
};

// 2 floor(log2 n) + 1, log2 n taken as ln n / ln 2; 1 for n < 2.
int AutomaticBinCount(int n);

// Counts the values in B bins of width w = (hi - lo)/B: value v goes to bin
// floor((v - lo)/w) + 1 when that lies in 1..B; values outside are not
// counted. With `countHiInLastBin` a value equal to hi counts in bin B. When
// hi <= lo (all values equal) the range is widened by 1 on each side first.
HistogramBins CountBins(const std::vector<double>& values, double lo, double hi, int bins, bool countHiInLastBin);

// "KORA::Tarn(Histogram)" and "KORA::Tarn(Residuals Histogram)" with the bin count.
std::string HistogramReportText(int bins);
std::string ResidualHistogramReportText(int bins);

}  // namespace kora
