#include "smooth/fourier_smooth.h"

#include "stats/spectrum_fft.h"

namespace kora {

std::vector<double> FourierSmooth(const std::vector<double>& x, double f) {
  const int n = static_cast<int>(x.size());
  if (n == 0) return {};
  // The rule is symmetric in j and N - j, so the half spectrum carries it.
  std::vector<std::complex<double>> spectrum = RealDft(x);
  for (size_t j = 0; j < spectrum.size(); ++j)
    if (2.0 * static_cast<double>(j) > n * f) spectrum[j] = 0.0;
  std::vector<double> smoothed = InverseRealDft(spectrum, n);
  for (double& v : smoothed) v /= n;
  return smoothed;
}

}  // namespace kora
