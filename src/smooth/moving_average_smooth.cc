#include "smooth/moving_average_smooth.h"

#include <algorithm>
#include <cstdint>

namespace kora {

std::optional<std::vector<double>> NormaliseWeights(const std::vector<double>& theta) {
  if (theta.empty()) return std::nullopt;
  double sum = theta[0];
  for (size_t j = 1; j < theta.size(); ++j) sum += 2.0 * theta[j];
  if (sum == 0.0) return std::nullopt;
  std::vector<double> normalised = theta;
  for (double& w : normalised) w /= sum;
  return normalised;
}

std::vector<double> MovingAverageSmooth(const std::vector<double>& x, const std::vector<double>& theta) {
  const std::int64_t n = static_cast<std::int64_t>(x.size());
  if (n == 0 || theta.empty()) return {};
  const std::int64_t q = static_cast<std::int64_t>(theta.size()) - 1;
  std::vector<double> m(x.size());
  for (std::int64_t t = 0; t < n; ++t) {
    double value = theta[0] * x[t];
    for (std::int64_t j = 1; j <= q; ++j) value += theta[j] * (x[std::min(t + j, n - 1)] + x[std::max<std::int64_t>(t - j, 0)]);
    m[t] = value;
  }
  return m;
}

}  // namespace kora
