// The ARMA model of a univariate project.
// phi(z) = 1 - phi1 z - ... - phip z^p, theta(z) = 1 + theta1 z + ... + thetaq z^q.
#pragma once

#include <array>

namespace kora {

inline constexpr int kMaxCoefficients = 27;

struct ArmaModel {
  int arOrder = 0;
  std::array<double, kMaxCoefficients> phi{};  // phi[0] is phi(1)
  int maOrder = 0;
  std::array<double, kMaxCoefficients> theta{};  // theta[0] is theta(1)
  double whiteNoiseVariance = 1.0;
  double modelGamma0 = 0.0;
  // Fractionally integrated model: (1-B)^d X(t) follows the ARMA equation.
  bool fractional = false;
  double fractionalD = 0.0;
  double fractionalStep = 0.1;
  int impulseTerms = 50;
};

}  // namespace kora
