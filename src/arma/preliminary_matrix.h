// Small dense linear algebra for the estimators: Gauss-Jordan inversion of the
// symmetric positive definite matrices of the normal equations and a general
// solve for the Innovations system. Matrices are row-major, n x n.
#pragma once

#include <vector>

namespace kora {

// Inverts a symmetric positive definite matrix in place by Gauss-Jordan
// elimination on the diagonal. Stops and returns false at a pivot that is not
// positive (or negligible against the diagonal it started from): the matrix is
// then singular or too ill-conditioned and its contents are undefined.
bool InvertPositiveDefinite(std::vector<double>& a, int n);

// Inverts a general matrix in place (Gauss-Jordan with row pivoting); false
// when it is singular to working precision.
bool InvertGeneral(std::vector<double>& a, int n);

}  // namespace kora
