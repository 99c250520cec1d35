#include "multivariate/multivariate_burg.h"

#include <algorithm>
#include <cstddef>

#include "linalg/cholesky.h"
#include "linalg/square_matrix.h"

namespace kora {

using std::size_t;

namespace {

// sum over t = from..n-1 of a(t) b(t - 1)' (lag 1) or a(t) b(t)' (lag 0).
Matrix CrossProducts(const std::vector<double>& a, const std::vector<double>& b, int from, int n, int m,
                     int lag) {
  Matrix s(static_cast<size_t>(m) * m, 0.0);
  for (int t = from; t < n; ++t) {
    const double* x = &a[static_cast<size_t>(t) * m];
    const double* y = &b[static_cast<size_t>(t - lag) * m];
    for (int i = 0; i < m; ++i)
      for (int k = 0; k < m; ++k) s[static_cast<size_t>(i) * m + k] += x[i] * y[k];
  }
  return s;
}

}  // namespace

VarStages BurgStages(const MeanCorrectedData& data, int maxOrder) {
  const int n = data.n, m = data.m;
  VarStages stages;
  Matrix gamma0 = CrossProducts(data.y, data.y, 0, n, m, 0);
  for (double& v : gamma0) v /= n;
  Matrix cf, cb;
  if (!CholeskyFactor(gamma0, m, cf)) return stages;
  cb = cf;
  stages.push_back({{}, gamma0});
  std::vector<Matrix> backward;
  Matrix vBar = gamma0;
  // forward(t) and backward(t) errors of the current order, t = k..n-1 valid.
  std::vector<double> forward = data.y, back = data.y;
  const Matrix identity = Identity(m);
  for (int k = 1; k <= maxOrder && k < n; ++k) {
    // Forward errors at t = k..n-1 against backward errors at t-1.
    Matrix lf, lb;
    if (!CholeskyFactor(CrossProducts(forward, forward, k, n, m, 0), m, lf)) break;
    if (!CholeskyFactor(CrossProducts(back, back, k - 1, n - 1, m, 0), m, lb)) break;
    const Matrix sfb = CrossProducts(forward, back, k, n, m, 1);
    const Matrix rho = MultiplyTransposed(Multiply(InverseLower(lf, m), sfb, m), InverseLower(lb, m), m);
    const Matrix phiKK = Multiply(Multiply(cf, rho, m), InverseLower(cb, m), m);
    const Matrix phiBarKK = Multiply(Multiply(cb, Transpose(rho, m), m), InverseLower(cf, m), m);
    const VarStage& last = stages.back();
    VarStage next;
    std::vector<Matrix> nextBackward;
    for (int j = 1; j <= k - 1; ++j) {
      next.phi.push_back(Subtract(last.phi[j - 1], Multiply(phiKK, backward[k - j - 1], m)));
      nextBackward.push_back(Subtract(backward[j - 1], Multiply(phiBarKK, last.phi[k - j - 1], m)));
    }
    next.phi.push_back(phiKK);
    nextBackward.push_back(phiBarKK);
    next.v = MultiplyTransposed(Multiply(cf, Subtract(identity, MultiplyTransposed(rho, rho, m)), m), cf, m);
    vBar =
        MultiplyTransposed(Multiply(cb, Subtract(identity, Multiply(Transpose(rho, m), rho, m)), m), cb, m);
    Matrix nextCf, nextCb;
    if (!CholeskyFactor(next.v, m, nextCf) || !CholeskyFactor(vBar, m, nextCb)) break;
    // New errors, from the top down so that back(t-1) is still the old one.
    std::vector<double> newForward(m), newBack(m);
    for (int t = n - 1; t >= k; --t) {
      double* f = &forward[static_cast<size_t>(t) * m];
      const double* bPrevious = &back[static_cast<size_t>(t - 1) * m];
      for (int i = 0; i < m; ++i) {
        double fi = f[i], bi = bPrevious[i];
        for (int l = 0; l < m; ++l) {
          fi -= phiKK[static_cast<size_t>(i) * m + l] * bPrevious[l];
          bi -= phiBarKK[static_cast<size_t>(i) * m + l] * f[l];
        }
        newForward[i] = fi;
        newBack[i] = bi;
      }
      std::copy(newForward.begin(), newForward.end(), f);
      std::copy(newBack.begin(), newBack.end(), &back[static_cast<size_t>(t) * m]);
    }
    stages.push_back(std::move(next));
    backward = std::move(nextBackward);
    cf = std::move(nextCf);
    cb = std::move(nextCb);
  }
  return stages;
}

}  // namespace kora
