// Dialog values and results of the ARAR forecaster, kept in the project.
#pragma once

#include <array>
#include <vector>

namespace kora {

enum ArarMethod : int {
  kArarMinVariance13 = 1,  // minimise the white-noise variance, lags up to 13
  kArarMinVariance26 = 2,  // the same with lags up to 26
  kArarMaxLikelihood13 = 3,
};

struct ArarSettings {
  int ararCount = 10;               // H
  int ararFirst = 1, ararLast = 1;  // subset bounds in the indices of the series the method ran on
  bool ararNoShortening = false;
  int ararMethod = kArarMinVariance13;
  bool ararSubset = false;
  bool ararOriginal = false;  // run on the rebuilt original series
  int shortDegree = 0;
  std::vector<double> shortCoef{1.0};        // psi_0 = 1, psi_1..psi_degree
  std::array<int, 4> subsetLag{1, 2, 3, 4};  // 1, l1, l2, l3
  std::array<double, 4> subsetCoef{};
  std::vector<double> whitenCoef{1.0};  // xi_0 = 1, xi_1..xi_K
  double ararMean = 0.0;                // mean of the shortened series
  double ararRmse = 0.0;
  // The subset at times first..last and the forecasts at last+1..last+H
  // (0-based: ararForecast[t - 1] is time t).
  std::vector<double> ararForecast;
};

}  // namespace kora
