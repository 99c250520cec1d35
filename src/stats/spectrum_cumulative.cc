#include "stats/spectrum_cumulative.h"

#include <cmath>

namespace kora {

std::vector<double> NormalisedCumulative(const std::vector<double>& values) {
  std::vector<double> c(values.size());
  double sum = 0.0;
  for (size_t i = 0; i < values.size(); ++i) c[i] = sum += values[i];
  if (sum > 0.0 && std::isfinite(sum))
    for (double& v : c) v /= sum;
  return c;
}

}  // namespace kora
