#include "multivariate/var_forecast.h"

#include <cstddef>

namespace kora {

using std::size_t;

std::vector<std::vector<double>> VarForecast(const std::vector<std::vector<double>>& values, int endpoint,
                                             int count, const std::vector<Matrix>& phi,
                                             const std::vector<double>& phi0) {
  const int m = static_cast<int>(values.size());
  std::vector<std::vector<double>> out(m);
  for (int i = 0; i < m; ++i) {
    out[i].assign(values[i].begin(), values[i].begin() + endpoint);
    out[i].resize(static_cast<size_t>(endpoint) + count);
  }
  for (int t = endpoint; t < endpoint + count; ++t)
    for (int i = 0; i < m; ++i) {
      double x = phi0[i];
      for (size_t j = 1; j <= phi.size(); ++j)
        for (int k = 0; k < m; ++k) x += phi[j - 1][static_cast<size_t>(i) * m + k] * out[k][t - j];
      out[i][t] = x;
    }
  return out;
}

}  // namespace kora
