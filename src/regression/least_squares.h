// The two matrix operations of the trend estimation: a least-squares solve
// by Householder QR that leaves dependent columns out of the basis, and the
// inverse of a symmetric positive-definite matrix by its Cholesky factor.
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
LeastSquaresResult SolveLeastSquares(std::vector<double> a, int n, int m, const std::vector<double>& y, double tau);

// B^-1 of a symmetric positive-definite m x m matrix (column-major); false
// when a Cholesky pivot is not positive (B is then not positive definite).
bool InversePositiveDefinite(const std::vector<double>& b, int m, std::vector<double>& inverse);

}  // namespace kora
