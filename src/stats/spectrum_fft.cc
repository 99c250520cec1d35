#include "stats/spectrum_fft.h"

#include <fftw3.h>

namespace kora {

std::vector<std::complex<double>> RealDft(const std::vector<double>& x) {
  const int n = static_cast<int>(x.size());
  if (n == 0) return {};
  std::vector<double> in = x;  // planning may touch the arrays
  std::vector<std::complex<double>> out(static_cast<size_t>(n / 2) + 1);
  fftw_plan plan =
      fftw_plan_dft_r2c_1d(n, in.data(), reinterpret_cast<fftw_complex*>(out.data()), FFTW_ESTIMATE);
  fftw_execute(plan);
  fftw_destroy_plan(plan);
  return out;
}

std::vector<double> InverseRealDft(const std::vector<std::complex<double>>& half, int n) {
  if (n <= 0 || half.size() != static_cast<size_t>(n / 2) + 1) return {};
  std::vector<std::complex<double>> in = half;  // the complex-to-real transform overwrites its input
  std::vector<double> out(static_cast<size_t>(n));
  fftw_plan plan =
      fftw_plan_dft_c2r_1d(n, reinterpret_cast<fftw_complex*>(in.data()), out.data(), FFTW_ESTIMATE);
  fftw_execute(plan);
  fftw_destroy_plan(plan);
  return out;
}

}  // namespace kora
