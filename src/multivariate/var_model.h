// The fitted vector autoregression of a multivariate project and its forecasts.
#pragma once

#include <vector>

namespace kora {

inline constexpr int kMaxVarOrder = 20;

// An m x m matrix, row-major: element (i, k) at [i * m + k].
using Matrix = std::vector<double>;

struct MultivariateArModel {
  int order = 0;             // p as entered, or the order a search chose
  bool searchAicc = true;    // "Find minimum AICC model." ticked
  bool fitted = false;       // phi, phi0, v and aicc hold a fit
  std::vector<Matrix> phi;   // Phi_1..Phi_p: phi[j-1](i, k) is the weight of X_k(t-j) in series i
  std::vector<double> phi0;  // mu - (Phi_1 + ... + Phi_p) mu
  Matrix v;                  // white-noise covariance
  double aicc = 0.0;
  // Forecasts (Forecasting > AR Model).
  int mvForecastCount = 10;                     // H
  int mvEndpoint = 0;                           // N', the last observation used
  bool mvUseAll = true;                         // "Use complete data set for prediction."
  std::vector<std::vector<double>> mvForecast;  // per series: the data up to N', then H forecasts
};

}  // namespace kora
