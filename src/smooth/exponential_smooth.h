// Exponential smoothing with a given or grid-optimal parameter.
#pragma once

#include <vector>

namespace kora {

struct ExponentialResult {
  double alpha = 0.0;
  std::vector<double> smoothed;  // m(1..N)
  double sse = 0.0;              // sum over t = 2..N of (x(t) - m(t-1))^2
};

// m(1) = x(1), m(t) = alpha x(t) + (1 - alpha) m(t-1). alpha = -1 chooses
// the alpha of 0, 0.01, ..., 0.99 with the smallest one-step SSE (the
// earliest on ties).
ExponentialResult ExponentialSmooth(const std::vector<double>& x, double alpha);

}  // namespace kora
