// Sample moments, the standard error of the sample mean and the sample
// ACF/PACF of a series.
//
// A series whose values are all equal has no defined autocorrelation: its
// mean is that value exactly, its variance and gamma(0) are 0, and every
// autocorrelation and partial autocorrelation beyond lag 0 is written as 0.
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

// gamma(0..maxLag) of the mean-corrected series with divisor n; 0 for lags
// at or beyond n. Empty when maxLag is negative.
std::vector<double> SampleAutocovariances(const std::vector<double>& x, int maxLag);

// Partial autocorrelations by the Durbin-Levinson recursion on rho(0..L):
// element 0 is 1, element k is phi(k,k). When the prediction error variance
// reaches 0 (a perfectly predictable sequence) the remaining elements are 0.
std::vector<double> PartialAutocorrelations(const std::vector<double>& rho);

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
