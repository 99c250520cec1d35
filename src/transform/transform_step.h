// One entry of a project's transformation list.
#pragma once

#include <array>
#include <vector>

namespace kora {

enum TransformKind : int {
  kDifference = 1,
  kBoxCox = 2,
  kClassicalSeasonal = 4,
  kClassicalHarmonic = 8,
  kSubtractMean = 16,
  kSubsequence = 32,
};

struct TransformStep {
  int kind = 0;
  int lag = 1;                     // difference: lag d
  std::vector<double> savedHead;   // difference: x(1..d) before differencing
  double lambda = 1.0;             // Box-Cox
  std::vector<double> seasonal;    // classical: seasonal component (period values)
  int period = 0;                  // classical
  int harmonicCount = 0;           // classical with harmonics
  std::array<int, 4> fourierIndex{};
  std::array<double, 4> cosineCoefficients{};
  std::array<double, 4> sineCoefficients{};
  double harmonicExtra = 0.0;
  int trendDegree = 1;
  std::array<double, 3> trendCoefficients{};
  double mean = 0.0;               // subtract mean
  std::vector<double> leading;     // subsequence: values cut from the start
  std::vector<double> trailing;    // subsequence: values cut from the end
  int oldFirstIndex = 0, oldLastIndex = 0;  // subsequence: index range before the cut
};

}  // namespace kora
