// Normalised cumulative sums of spectral ordinates.
#pragma once

#include <vector>

namespace kora {

// C(i) = (v(0) + ... + v(i)) / (v(0) + ... + v(last)); when the total is not
// positive (an all-zero spectrum) the plain cumulative sums are returned.
std::vector<double> NormalisedCumulative(const std::vector<double>& values);

}  // namespace kora
