#include "multivariate/cross_correlation.h"

#include <cmath>

#include "report/number_format.h"
#include "report/report.h"

namespace kora {

CrossCorrelations SampleCrossCorrelations(const MeanCorrectedData& data, int lags) {
  const int m = data.m;
  const std::vector<Matrix> gamma = SampleCovarianceMatrices(data, lags);
  CrossCorrelations rho(m, std::vector<std::vector<double>>(m, std::vector<double>(2 * lags + 1, 0.0)));
  for (int i = 0; i < m; ++i)
    for (int j = 0; j < m; ++j) {
      const double scale = std::sqrt(gamma[0][i * m + i] * gamma[0][j * m + j]);
      if (!(scale > 0.0)) continue;
      for (int h = 0; h <= lags; ++h) {
        rho[i][j][lags + h] = gamma[h][i * m + j] / scale;
        rho[i][j][lags - h] = gamma[h][j * m + i] / scale;
      }
    }
  return rho;
}

std::string CrossCorrelationText(const CrossCorrelations& rho, int n, int lags) {
  Report report;
  report.AppendHeader("KORA::(Multivariate Cross-ACF)", 30);
  report.AppendLine("# of Lags = " + FormatIntegerField(lags, 8));
  report.AppendLine("Bounds = +/-" + FormatFixed(1.96 / std::sqrt(static_cast<double>(n)), 4));
  report.AppendBlankLine();
  for (size_t i = 0; i < rho.size(); ++i)
    for (size_t j = 0; j < rho.size(); ++j) {
      report.AppendLine("corr(Series " + FormatInteger(static_cast<int>(i) + 1) + "(t+h), Series " +
                        FormatInteger(static_cast<int>(j) + 1) + "(t)), h = " + FormatInteger(-lags) + ".." +
                        FormatInteger(lags) + ":");
      report.AppendNumberRows(rho[i][j], static_cast<int>(rho[i][j].size()), 5, 4);
    }
  return report.text();
}

}  // namespace kora
