// Causality and invertibility tests, exact model autocovariances, impulse
// response weights and the model ACF/PACF of ordinary and fractionally
// integrated ARMA models. Coefficient vectors are combined: phi(1..p) then
// theta(1..q).
#pragma once

#include <vector>

#include "arma/arma_model.h"

namespace kora {

// ModelAcvf modes
inline constexpr int kAcvfInvertibility = 1;  // invertibility test only
inline constexpr int kAcvfCausality = -1;     // causality test only
inline constexpr int kAcvfCompute = 0;        // causality test and, when causal, the ACVF

// Step-down test of 1 - a(1) z - ... - a(m) z^m: true when every root lies
// outside the unit circle (|partial coefficient| < 1 at every order).
bool StepDownStable(const std::vector<double>& a);
bool IsCausal(const ArmaModel& model);
bool IsInvertible(const ArmaModel& model);

// Returns 0 when the test of the mode passes, -1 when it fails. In mode 0 a
// causal model gets gamma(0..maxLag) (resized); gamma is untouched on failure.
int ModelAcvf(int maxLag, int mode, const std::vector<double>& coefficients, int p, int q, double sigma2,
              std::vector<double>& gamma);

// gamma(0..maxLag) of the pure MA model (0 beyond q).
std::vector<double> MaAcvf(int maxLag, int q, const double* theta, double sigma2);

// psi(0..count-1) of theta(z)/phi(z).
std::vector<double> PsiWeights(int p, int q, const std::vector<double>& coefficients, int count);

struct ModelAcfResult {
  int status = 0;            // -1: the model is not causal (nothing computed)
  std::vector<double> acf;   // lags 0..L
  std::vector<double> pacf;  // lags 0..L
  double gamma0 = 0.0;       // model variance
};
// Model ACF/PACF of lags 0..lags: the exact ACVF up to lag 26, then the AR
// recursion; for a fractional model the psi-weight convolution with the
// autocorrelations of fractionally integrated noise.
ModelAcfResult ModelAcfPacf(const ArmaModel& model, int lags);

// MA-infinity (psi) and AR-infinity (pi) weights, count terms each; pi is
// empty when the model is not invertible.
struct InfinityWeights {
  std::vector<double> psi;
  std::vector<double> pi;
  bool invertible = false;
};
InfinityWeights ArMaInfinityWeights(const ArmaModel& model, int count);

}  // namespace kora
