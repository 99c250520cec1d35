#include "multivariate/var_simulation.h"

#include <cstddef>

#include "linalg/cholesky.h"

namespace kora {

using std::size_t;

std::vector<std::vector<double>> SimulateVar(const MultivariateArModel& model, const std::vector<double>& mu,
                                             int n, const std::vector<double>& z) {
  const int m = static_cast<int>(mu.size());
  std::vector<double> l;
  if (!CholeskyFactor(model.v, m, l)) return {};
  const int p = static_cast<int>(model.phi.size());
  const int steps = kVarBurnIn + n;
  std::vector<std::vector<double>> x(m, std::vector<double>(static_cast<size_t>(p) + steps));
  for (int i = 0; i < m; ++i)
    for (int t = 0; t < p; ++t) x[i][t] = mu[i];
  for (int s = 0; s < steps; ++s) {
    const int t = p + s;
    const double* noise = &z[static_cast<size_t>(s) * m];
    for (int i = 0; i < m; ++i) {
      double v = model.phi0[i];
      for (int c = 0; c <= i; ++c) v += l[static_cast<size_t>(i) * m + c] * noise[c];
      for (int j = 1; j <= p; ++j)
        for (int k = 0; k < m; ++k) v += model.phi[j - 1][static_cast<size_t>(i) * m + k] * x[k][t - j];
      x[i][t] = v;
    }
  }
  for (auto& series : x) series.erase(series.begin(), series.begin() + p + kVarBurnIn);
  return x;
}

}  // namespace kora
