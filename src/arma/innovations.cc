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

// How close r(k) and theta(k, j) must come to their limits before the
// recursion is frozen: the effect on S and sum ln r stays near rounding.
constexpr double kSteadyPrecision = 1.0e-13;

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

// Whether the recursion may stop at step k. With no tolerance: r(k) and
// theta(k, 1..q) have reached their limits, 1 and theta(1..q) of an
// invertible MA part, to within kSteadyPrecision, so that freezing them at the
// limits changes the likelihood by no more than rounding does; a
// non-invertible MA part never settles and the recursion runs to the end.
// With a tolerance: they change by at most that between steps (tested every
// 5 steps), which also finds the limit of a non-invertible MA part.
bool Settled(int k, ThetaRows& rows, const std::vector<double>& r, const std::vector<double>& coefficients,
             int p, int q, double tolerance) {
  if (tolerance <= 0.0) {
    if (!(std::fabs(r[k] - 1.0) <= kSteadyPrecision)) return false;
    for (int j = 1; j <= q; ++j)
      if (!(std::fabs(rows.At(k, j) - coefficients[p + j - 1]) <= kSteadyPrecision)) return false;
    return true;
  }
  if (k % 5 != 0 || !(std::fabs(r[k] - r[k - 1]) <= tolerance)) return false;
  if (q >= 2)
    for (int j = 1; j <= q; ++j)
      if (!(std::fabs(rows.At(k, j) - rows.At(k - 1, j)) <= tolerance)) return false;
  return true;
}

}  // namespace

InnovationsResult InnovationsAlgorithm(const InnovationsKernel& kappa, const std::vector<double>& x,
                                       const std::vector<double>& coefficients,
                                       const InnovationsRequest& request) {
  InnovationsResult result;
  const int n = static_cast<int>(x.size());
  const int p = kappa.p(), q = kappa.q(), m = kappa.m();
  const int extraSteps = request.extraSteps;
  const int lastRow = n + std::max(extraSteps - 1, 0);
  // Row k has at most width non-zero entries: k (k < m) or q (k >= m).
  const int width = std::max({m, q, 1});
  ThetaRows rows(width + 2, width);
  auto rowLength = [&](int k) { return k < m ? k : std::min(k, q); };

  // r grows while the recursion runs; once steady it is constant.
  std::vector<double>& r = result.r;
  r.push_back(kappa(1, 1));
  if (!(r[0] > 0)) {
    result.status = -1;
    return result;
  }
  // The last innovations X(t) - Xhat(t), in a ring indexed by t-1.
  int ringSize = 1;
  while (ringSize <= width) ringSize *= 2;
  const int mask = ringSize - 1;
  std::vector<double> innovation(ringSize, 0.0);
  if (request.storePredictors) result.predictors.assign(n + 1, 0.0);
  if (request.storeResiduals) result.residuals.resize(n);
  auto predict = [&](int k, const double* row) {  // Xhat(k+1) from row k
    double value = 0.0;
    if (k >= m)
      for (int i = 1; i <= p; ++i) value += coefficients[i - 1] * x[k - i];
    const int len = rowLength(k);
    for (int j = 1; j <= len; ++j) value += row[j - 1] * innovation[(k - j) & mask];
    return value;
  };
  // Adds observation t with innovation e and r(t-1), in the order of t.
  auto account = [&](int t, double e, double rPrevious, double logR) {
    innovation[(t - 1) & mask] = e;
    result.s += e * e / rPrevious;
    result.logSum += logR;
    if (request.storeResiduals) result.residuals[t - 1] = e / std::sqrt(rPrevious);
  };
  if (n > 0) account(1, x[0], r[0], std::log(r[0]));

  bool steady = false;
  std::vector<double> steadyRow;
  double steadyR = 0.0, steadyLogR = 0.0;
  const double* row = rows.Row(0);  // row 0 is empty
  result.convergeIndex = lastRow;
  for (int k = 1; k <= lastRow; ++k) {
    double rk;
    if (steady) {
      rk = steadyR;
    } else {
      double* fresh = rows.Row(k);
      std::fill_n(fresh, width, 0.0);
      const int len = rowLength(k);
      // theta(k, k-l) for l = k-len..k-1 (lags len down to 1).
      for (int l = k - len; l < k; ++l) {
        double value = kappa(k + 1, l + 1);
        for (int j = std::max(k - len, l - rowLength(l)); j < l; ++j)
          value -= rows.At(l, l - j) * fresh[k - j - 1] * r[j];
        fresh[k - l - 1] = value / r[l];
      }
      rk = kappa(k + 1, k + 1);
      for (int j = k - len; j < k; ++j) rk -= fresh[k - j - 1] * fresh[k - j - 1] * r[j];
      r.push_back(rk);
      if (!(rk > 0)) {
        result.status = -1;
        return result;
      }
      row = fresh;
      if (k > 2 * m && Settled(k, rows, r, coefficients, p, q, request.changeTolerance)) {
        steady = true;
        result.convergeIndex = k;
        steadyRow.assign(fresh, fresh + width);
        steadyR = rk;
        if (request.changeTolerance <= 0.0) {  // freeze at the limits themselves
          std::fill(steadyRow.begin(), steadyRow.end(), 0.0);
          std::copy_n(coefficients.begin() + p, q, steadyRow.begin());
          steadyR = 1.0;
        }
        steadyLogR = std::log(steadyR);
        row = steadyRow.data();
      }
    }
    if (k < n) {
      const double xhat = predict(k, row);
      if (request.storePredictors) result.predictors[k] = xhat;
      account(k + 1, x[k] - xhat, rk, steady ? steadyLogR : std::log(rk));
    } else if (k == n && request.storePredictors) {
      result.predictors[n] = predict(n, row);
    }
    if (k >= n && k < n + extraSteps) result.tailTheta.emplace_back(row, row + rowLength(k));
  }
  if (n == 0 && extraSteps > 0) result.tailTheta.insert(result.tailTheta.begin(), {});  // row 0 is empty
  if (request.storePredictors) r.resize(lastRow + 1, r.back());
  result.thetaLast.assign(row, row + rowLength(lastRow));
  return result;
}

}  // namespace kora
