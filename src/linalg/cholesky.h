// Cholesky factorisation of symmetric positive-definite matrices: the factor,
// solves with it, and the inverse. Matrices are n x n, row-major; being
// symmetric, a column-major matrix gives the same results.
#pragma once

#include <vector>

namespace kora {

// When a pivot counts as positive. A pivot d_j (the diagonal of the Schur
// complement, l_jj squared) is accepted when it is finite, above `floor` and
// above `relative` times the diagonal entry a_jj it started from.
struct PivotRule {
  double floor = 0.0;
  double relative = 0.0;
};

// The lower factor L of A = L L' (row-major, zeros above the diagonal);
// false at the first pivot the rule refuses (A is then not safely positive
// definite) and l is undefined.
bool CholeskyFactor(const std::vector<double>& a, int n, std::vector<double>& l, PivotRule rule = {});

// Solves L L' x = b in place.
void CholeskySolve(const std::vector<double>& l, int n, std::vector<double>& b);

// ln det A = 2 sum ln l_jj of the factor.
double CholeskyLogDeterminant(const std::vector<double>& l, int n);

// A^-1 of a symmetric positive-definite matrix by its Cholesky factor
// (inverse may be the same vector as a); false when the rule refuses a pivot.
bool InversePositiveDefinite(const std::vector<double>& a, int n, std::vector<double>& inverse,
                             PivotRule rule = {});

}  // namespace kora
