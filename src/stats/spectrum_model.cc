#include "stats/spectrum_model.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace kora {

namespace {

constexpr double kPi = 3.14159265359;  // the grid's own constant: it never reaches pi
constexpr double kOneOverTwoPi = 0.15915494309188485;
constexpr double kSingularValue = 1000000.0;

// c0 + c1 z + ... + ck z^k by Horner's rule, c0 = 1 and ci = sign * coefficient(i).
std::complex<double> Polynomial(const std::array<double, kMaxCoefficients>& coefficients, int order,
                                double sign, std::complex<double> z) {
  std::complex<double> value = 0.0;
  for (int k = order; k >= 1; --k) value = (value + sign * coefficients[k - 1]) * z;
  return value + 1.0;
}

}  // namespace

ModelSpectrumResult ModelSpectrum(const ArmaModel& model, int resolution) {
  ModelSpectrumResult result;
  const int bigM = std::max(resolution, 0);
  const int p = std::clamp(model.arOrder, 0, kMaxCoefficients);
  const int q = std::clamp(model.maOrder, 0, kMaxCoefficients);
  const double sigma2 = model.whiteNoiseVariance;
  result.density.resize(static_cast<size_t>(bigM) + 1);
  for (int j = 0; j <= bigM; ++j) {
    const double w = j * kPi / (bigM + 1);
    const std::complex<double> z = std::polar(1.0, w);
    const std::complex<double> phi = Polynomial(model.phi, p, -1.0, z);
    double f;
    if (std::abs(phi) == 0.0) {
      ++result.singularities;
      f = kSingularValue * sigma2;
    } else {
      f = sigma2 * kOneOverTwoPi * std::norm(Polynomial(model.theta, q, 1.0, z) / phi);
    }
    if (model.fractional) {
      if (j >= 1) f *= std::pow(std::abs(1.0 - z), -2.0 * model.fractionalD);
      else if (model.fractionalD < 0.0) f = 0.0;
    }
    result.density[j] = f;
  }
  return result;
}

}  // namespace kora
