#include "stats/fisher_test.h"

#include <algorithm>
#include <cmath>

namespace kora {

namespace {

constexpr double kNegligibleTerm = 1e-12;

double IntegerPower(double base, int exponent) {
  double result = 1.0;
  for (; exponent > 0; exponent >>= 1, base *= base)
    if (exponent & 1) result *= base;
  return result;
}

}  // namespace

FisherResult FisherTest(const std::vector<double>& periodogram, int n) {
  FisherResult result;
  const int q = std::min((n - 1) / 2, static_cast<int>(periodogram.size()));
  if (q < 1) return result;
  double sum = 0.0, largest = periodogram[0];
  for (int k = 0; k < q; ++k) {
    sum += periodogram[k];
    largest = std::max(largest, periodogram[k]);
  }
  const double mean = sum / q;
  if (!(mean > 0.0) || !std::isfinite(mean)) return result;
  const double g = largest / mean;
  result.ratio = g;
  // P = sum over j >= 1 of (-1)^(j-1) C(q,j) (1 - j g/q)^(q-1), term by term,
  // each term from the one before.
  double total = 1.0, term = 1.0;
  for (int j = 1; j <= q; ++j) {
    const double base = 1.0 - j * g / q;
    if (base < 0.0) break;
    const double previous = 1.0 - (j - 1) * g / q;
    term = -term * IntegerPower(base / previous, q - 1) * (q - j + 1) / j;
    if (std::fabs(term) < kNegligibleTerm) break;
    total += term;
  }
  result.probability = 1.0 - total;
  return result;
}

}  // namespace kora
