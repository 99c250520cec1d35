#include "stats/periodogram.h"

#include <numbers>
#include <numeric>

#include "stats/spectrum_fft.h"

namespace kora {

std::vector<double> Periodogram(const std::vector<double>& x) {
  const int n = static_cast<int>(x.size());
  if (n < 2) return {};
  const double mean = std::accumulate(x.begin(), x.end(), 0.0) / n;
  std::vector<double> y(x.size());
  for (size_t t = 0; t < x.size(); ++t) y[t] = x[t] - mean;
  // The transform counts t from 0; starting at 1 multiplies J(k) by a unit
  // phase, which the modulus does not see.
  const std::vector<std::complex<double>> j = RealDft(y);
  const int m = n / 2;
  const double scale = 1.0 / (2.0 * std::numbers::pi * n);
  std::vector<double> I(static_cast<size_t>(m));
  for (int k = 1; k <= m; ++k) I[k - 1] = std::norm(j[k]) * scale;
  return I;
}

}  // namespace kora
