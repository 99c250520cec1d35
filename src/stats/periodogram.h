// The periodogram of a series: the one definition every part of the program uses.
#pragma once

#include <vector>

namespace kora {

// I(k) = |sum over t = 1..n of y(t) e^(-i t w_k)|^2 / (2 pi n), y = x - mean,
// w_k = 2 pi k / n, for k = 1..m, m = n/2; element k-1 holds I(k). Empty for
// fewer than two values.
std::vector<double> Periodogram(const std::vector<double>& x);

}  // namespace kora
