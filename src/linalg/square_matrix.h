// Products of small square matrices (m x m, row-major), for the
// recursions of the vector autoregressions.
#pragma once

#include <vector>

namespace kora {

std::vector<double> Identity(int m);
std::vector<double> Transpose(const std::vector<double>& a, int m);
// a b
std::vector<double> Multiply(const std::vector<double>& a, const std::vector<double>& b, int m);
// a b'
std::vector<double> MultiplyTransposed(const std::vector<double>& a, const std::vector<double>& b, int m);
// a - b
std::vector<double> Subtract(std::vector<double> a, const std::vector<double>& b);
// L^-1 of a lower triangular matrix.
std::vector<double> InverseLower(const std::vector<double>& l, int m);

}  // namespace kora
