// The ARMA model of a univariate project, with its likelihood summaries and
// estimation settings.
// phi(z) = 1 - phi1 z - ... - phip z^p, theta(z) = 1 + theta1 z + ... + thetaq z^q.
// Combined coefficient numbering: 1..p stand for phi(1..p), p+1..p+q for
// theta(1..q).
#pragma once

#include <array>
#include <vector>

#include "arma/minimizer_stop.h"

namespace kora {

inline constexpr int kMaxCoefficients = 27;
inline constexpr int kMaxCombined = 2 * kMaxCoefficients;  // phi and theta together
inline constexpr int kMaxRelations = 6;

// estimationMode values
inline constexpr int kMaximumLikelihood = -1;
inline constexpr int kLeastSquares = 0;

struct ArmaModel {
  int arOrder = 0;
  std::array<double, kMaxCoefficients> phi{};  // phi[0] is phi(1)
  int maOrder = 0;
  std::array<double, kMaxCoefficients> theta{};  // theta[0] is theta(1)
  double whiteNoiseVariance = 1.0;

  // Likelihood summaries of the last evaluation or estimation.
  double residualSsOverN = 1.0;    // "(Residual SS)/N"
  double reducedLikelihood = 0.0;  // ln(S/n) + (1/n) sum ln r(t-1)
  double objective = 0.0;          // what the optimiser minimises
  double minus2LogLikelihood = 0.0;
  double aicc = 0.0;
  double previousAicc = 0.0;
  double bic = 0.0;
  double fpe = 0.0;

  // Free coefficients by combined index (first freeParamCount entries used).
  int freeParamCount = 0;
  std::array<int, kMaxCombined> freeParamList{};
  // Relation i: c(target) = c(factor1) x c(factor2), combined indices.
  int multRelationCount = 0;
  std::array<int, kMaxRelations> multRelationTarget{};
  std::array<int, kMaxRelations> multRelationFactor1{};
  std::array<int, kMaxRelations> multRelationFactor2{};

  // Likelihood evaluation settings and counters.
  int estimationMode = kMaximumLikelihood;
  bool storeResiduals = false;
  // Tolerance of the search for converged innovations coefficients
  // (InnovationsCoefficients); the likelihood itself does not depend on it.
  double innovTolerance = 1.0e-4;
  int convergeIndex = 0;
  int functionEvaluations = 0;

  // Maximum likelihood estimation settings and results.
  bool noOptimization = false;
  double accuracy = 0.0;
  int iterationLimit = 50;
  MinimizerStop stopCode = MinimizerStop::kNone;
  std::array<double, kMaxCombined> standardErrors{};  // combined order; [0] = -1: none available

  double modelGamma0 = 0.0;
  // Fractionally integrated model: (1-B)^d X(t) follows the ARMA equation.
  bool fractional = false;
  double fractionalD = 0.0;
  double fractionalStep = 0.1;  // initial step of the pattern search
  int impulseTerms = 50;        // M, psi weights used for the model ACF
  bool estimateD = true;

  int p() const { return arOrder; }
  int q() const { return maOrder; }
};

// phi(1..p) followed by theta(1..q).
std::vector<double> CombinedCoefficients(const ArmaModel& model);
// Writes a combined vector back into phi and theta (entries above the orders
// are set to 0).
void SetCombinedCoefficients(ArmaModel& model, const std::vector<double>& coefficients);
// The free list of every coefficient that is not zero: AR indices first, then
// MA indices p+j. Clears the multiplicative relations.
void RebuildFreeParameters(ArmaModel& model);
// Applies the multiplicative relations, in order, to a combined vector:
// c(a) = c(b) c(c), negated when a is an AR index.
void ApplyRelations(const ArmaModel& model, std::vector<double>& coefficients);

}  // namespace kora
