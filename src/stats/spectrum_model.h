// The spectral density of an ARMA model (possibly fractionally integrated)
// on the grid w_j = j pi / (M + 1), j = 0..M.
#pragma once

#include <vector>

#include "arma/arma_model.h"

namespace kora {

struct ModelSpectrumResult {
  std::vector<double> density;  // f(0..M)
  int singularities = 0;        // grid points where phi(e^(i w)) vanished
};

// f(j) = sigma2 / (2 pi) |theta(z) / phi(z)|^2 with z = e^(i w_j); where
// phi(z) is exactly 0 the value is 1000000 sigma2 instead. A fractionally
// integrated model multiplies f(j), j >= 1, by |1 - z|^(-2d); f(0) is 0 then
// when d < 0.
ModelSpectrumResult ModelSpectrum(const ArmaModel& model, int resolution);

}  // namespace kora
