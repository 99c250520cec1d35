// Sample moments, the standard error of the sample mean and the sample
// ACF/PACF of a series.
#pragma once

#include <vector>

namespace kora {

struct SampleSummary {
  int n = 0;
  double mean = 0;
  double variance = 0;       // divisor n
  double standardError = 0;  // of the sample mean, sqrt((var/n) * (1 + 2 sum (1-k/r) rho(k)))
};
SampleSummary Summarize(const std::vector<double>& x);

struct AcfPacf {
  std::vector<double> acf;   // lags 0..L, acf[0] = 1
  std::vector<double> pacf;  // lags 0..L, pacf[0] = 1
  double gamma0 = 0;
};
// Sample autocorrelations (mean-corrected, divisor n) and partial
// autocorrelations by the Durbin-Levinson recursion. A lag count below 1 is
// replaced by 40 and written back.
AcfPacf SampleAcfPacf(const std::vector<double>& x, int& lags);

}  // namespace kora
