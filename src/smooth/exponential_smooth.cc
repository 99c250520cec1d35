#include "smooth/exponential_smooth.h"

#include <cstddef>

namespace kora {

namespace {

constexpr int kGridSize = 100;
constexpr double kGridStep = 0.01;

double OneStepSse(const std::vector<double>& x, double alpha) {
  if (x.empty()) return 0.0;
  double level = x[0], sse = 0.0;
  for (std::size_t t = 1; t < x.size(); ++t) {
    const double error = x[t] - level;
    sse += error * error;
    level = alpha * x[t] + (1.0 - alpha) * level;
  }
  return sse;
}

}  // namespace

ExponentialResult ExponentialSmooth(const std::vector<double>& x, double alpha) {
  ExponentialResult result;
  if (alpha == -1.0) {
    // 0, then 99 more values each 0.01 above the one before.
    double best = 0.0, bestSse = OneStepSse(x, 0.0), candidate = 0.0;
    for (int k = 1; k < kGridSize; ++k) {
      candidate += kGridStep;
      const double sse = OneStepSse(x, candidate);
      if (sse < bestSse) {
        bestSse = sse;
        best = candidate;
      }
    }
    alpha = best;
  }
  result.alpha = alpha;
  result.sse = OneStepSse(x, alpha);
  result.smoothed.resize(x.size());
  if (x.empty()) return result;
  result.smoothed[0] = x[0];
  for (std::size_t t = 1; t < x.size(); ++t) result.smoothed[t] = alpha * x[t] + (1.0 - alpha) * result.smoothed[t - 1];
  return result;
}

}  // namespace kora
