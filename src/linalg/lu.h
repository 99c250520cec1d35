// General square systems by LU factorisation with partial pivoting
// (Gaussian elimination). Matrices are n x n, row-major.
#pragma once

#include <vector>

namespace kora {

// P A = L U packed in one matrix (unit L below the diagonal, U on and
// above); pivot[k] is the row exchanged with row k at step k.
struct LuFactors {
  int n = 0;
  std::vector<double> lu;
  std::vector<int> pivot;
};

// False when a pivot is not above `relativeTolerance` times the largest
// entry of A in magnitude (0: only an exact zero is refused): A is singular
// to that tolerance and the factors are undefined.
bool LuFactor(std::vector<double> a, int n, LuFactors& factors, double relativeTolerance = 0.0);

// Solves A x = b in place with the factors of A.
void LuSolve(const LuFactors& factors, std::vector<double>& b);

// A x = b in one call; b keeps its value when A is refused.
bool SolveGeneral(std::vector<double> a, int n, std::vector<double>& b, double relativeTolerance = 0.0);

// A^-1 in place; a keeps its value when A is refused.
bool InvertGeneral(std::vector<double>& a, int n, double relativeTolerance = 0.0);

}  // namespace kora
