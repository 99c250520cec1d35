// The innovations recursion on the transformed ARMA process.
#include <algorithm>
#include <cmath>

#include "arma/likelihood.h"
#include "arma/model_acvf.h"

namespace kora {

InnovationsKernel::InnovationsKernel(const std::vector<double>& coefficients, int p, int q,
                                     const std::vector<double>& gamma)
    : p_(p), q_(q), m_(std::max(p, q)), gamma_(gamma) {
  gamma_.resize(m_ + 1, 0.0);
  const std::vector<double> psi = PsiWeights(p, q, coefficients, q + 1);
  auto th = [&](int r) { return r == 0 ? 1.0 : coefficients[p + r - 1]; };
  cross_.assign(q + 1, 0.0);
  maAcvf_.assign(q + 1, 0.0);
  for (int h = 0; h <= q; ++h) {
    for (int r = h; r <= q; ++r) cross_[h] += th(r) * psi[r - h];
    for (int r = 0; r + h <= q; ++r) maAcvf_[h] += th(r) * th(r + h);
  }
}

double InnovationsKernel::operator()(int i, int j) const {
  const int h = std::abs(i - j);
  if (std::max(i, j) <= m_) return gamma_[h];
  if (h > q_) return 0.0;
  return std::min(i, j) <= m_ ? cross_[h] : maAcvf_[h];
}

namespace {

// Rows theta(k, 1..width) of the recursion for the last `depth` steps, in a ring.
class ThetaRows {
 public:
  ThetaRows(int depth, int width) : depth_(depth), width_(width), data_(depth * width, 0.0) {}
  double* Row(int k) { return &data_[(k % depth_) * width_]; }
  // theta(k, j), 0 when j is outside 1..width.
  double At(int k, int j) { return (j >= 1 && j <= width_) ? Row(k)[j - 1] : 0.0; }
  int width() const { return width_; }

 private:
  int depth_, width_;
  std::vector<double> data_;
};

}  // namespace

InnovationsResult InnovationsAlgorithm(const InnovationsKernel& kappa, const std::vector<double>& x,
                                       const std::vector<double>& coefficients, double tolerance,
                                       bool storeResiduals, int extraSteps) {
  InnovationsResult result;
  const int n = static_cast<int>(x.size());
  const int p = kappa.p(), q = kappa.q(), m = kappa.m();
  const int lastRow = n + std::max(extraSteps - 1, 0);
  // Row k has at most width non-zero entries: k (k < m) or q (k >= m).
  const int width = std::max({m, q, 1});
  ThetaRows rows(width + 2, width);
  auto rowLength = [&](int k) { return k < m ? k : std::min(k, q); };

  std::vector<double>& r = result.r;
  r.assign(lastRow + 1, 0.0);
  r[0] = kappa(1, 1);
  if (!(r[0] > 0)) {
    result.status = -1;
    return result;
  }
  std::vector<double> innovation(n, 0.0);  // X(t) - Xhat(t)
  result.predictors.assign(n + 1, 0.0);
  auto predict = [&](int k) {  // Xhat(k+1) from row k
    double value = 0.0;
    if (k >= m)
      for (int i = 1; i <= p; ++i) value += coefficients[i - 1] * x[k - i];
    for (int j = 1; j <= rowLength(k); ++j) value += rows.At(k, j) * innovation[k - j];
    return value;
  };
  if (n > 0) innovation[0] = x[0];

  bool steady = false;
  result.convergeIndex = lastRow;
  for (int k = 1; k <= lastRow; ++k) {
    double* row = rows.Row(k);
    if (steady) {
      std::copy_n(rows.Row(k - 1), width, row);
      r[k] = r[k - 1];
    } else {
      std::fill_n(row, width, 0.0);
      const int len = rowLength(k);
      // theta(k, k-l) for l = k-len..k-1 (lags len down to 1).
      for (int l = k - len; l < k; ++l) {
        double value = kappa(k + 1, l + 1);
        for (int j = std::max(k - len, l - rowLength(l)); j < l; ++j)
          value -= rows.At(l, l - j) * row[k - j - 1] * r[j];
        row[k - l - 1] = value / r[l];
      }
      double rk = kappa(k + 1, k + 1);
      for (int j = k - len; j < k; ++j) rk -= row[k - j - 1] * row[k - j - 1] * r[j];
      r[k] = rk;
      if (!(rk > 0)) {
        result.status = -1;
        return result;
      }
      if (k > 2 * m && k % 5 == 0 && std::fabs(r[k] - r[k - 1]) <= tolerance) {
        bool settled = true;
        if (q >= 2)
          for (int j = 1; j <= q && settled; ++j)
            settled = std::fabs(rows.At(k, j) - rows.At(k - 1, j)) <= tolerance;
        if (settled) {
          steady = true;
          result.convergeIndex = k;
        }
      }
    }
    if (k < n) {
      result.predictors[k] = predict(k);
      innovation[k] = x[k] - result.predictors[k];
    } else if (k == n) {
      result.predictors[n] = predict(n);
    }
    if (k >= n && k < n + extraSteps) result.tailTheta.emplace_back(row, row + rowLength(k));
  }
  if (n == 0 && extraSteps > 0) result.tailTheta.insert(result.tailTheta.begin(), {});  // row 0 is empty

  for (int t = 1; t <= n; ++t) {
    result.s += innovation[t - 1] * innovation[t - 1] / r[t - 1];
    result.logSum += std::log(r[t - 1]);
  }
  if (storeResiduals) {
    result.residuals.resize(n);
    for (int t = 1; t <= n; ++t) result.residuals[t - 1] = innovation[t - 1] / std::sqrt(r[t - 1]);
  }
  result.thetaLast.assign(rows.Row(lastRow), rows.Row(lastRow) + rowLength(lastRow));
  return result;
}

}  // namespace kora
