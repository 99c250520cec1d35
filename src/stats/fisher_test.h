// Fisher's test for a hidden periodicity in the periodogram.
#pragma once

#include <vector>

namespace kora {

struct FisherResult {
  double ratio = 0.0;        // g: largest of I(1..q) over their mean
  double probability = 1.0;  // P(ratio >= g) for Gaussian white noise
};

// q = (n-1)/2 ordinates of `periodogram` (I(1..m)) are used. Without any
// (n < 3) or with a zero mean ordinate (a constant series) there is nothing to
// test: ratio 0 and probability 1.
FisherResult FisherTest(const std::vector<double>& periodogram, int n);

}  // namespace kora
