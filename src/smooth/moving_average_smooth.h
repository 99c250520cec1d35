// Symmetric moving-average smoothing.
#pragma once

#include <optional>
#include <vector>

namespace kora {

// theta(0..q) divided by S = theta(0) + 2 sum theta(j); nothing when S = 0.
std::optional<std::vector<double>> NormaliseWeights(const std::vector<double>& theta);

// m(t) = theta(0) x(t) + sum over j = 1..q of theta(j) [x(min(t+j, N)) +
// x(max(t-j, 1))]: the end values are repeated beyond the ends.
std::vector<double> MovingAverageSmooth(const std::vector<double>& x, const std::vector<double>& theta);

}  // namespace kora
