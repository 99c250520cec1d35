// Least squares by Householder QR, leaving dependent columns out of the
// basis in the order the columns come (the rule the trend regression needs).
#pragma once

#include <vector>

namespace kora {

struct LeastSquaresResult {
  std::vector<double> beta;      // m coefficients; 0 for a column left out
  std::vector<double> residual;  // y - A beta, n values
  std::vector<bool> kept;        // columns in the basis
  int rank = 0;
};

// Minimises |y - A beta| for A (n x m, column-major). The columns are taken in
// order; a column whose part orthogonal to the columns before it is within
// tau (at least a few rounding units) of its own norm is dependent: it stays
// out of the basis. Columns beyond the n-th independent one are dependent.
LeastSquaresResult SolveLeastSquares(std::vector<double> a, int n, int m, const std::vector<double>& y,
                                     double tau);

}  // namespace kora
