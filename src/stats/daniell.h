// Smoothing of the periodogram by a cascade of Daniell filters.
#pragma once

#include <vector>

namespace kora {

// The combined one-sided weights W(0..h) of the filters with the given orders
// (half-widths), h = the sum of the orders; W(0) + 2 sum W(j) = 1. Orders of
// 0 are skipped; with no positive order W = (1).
std::vector<double> DaniellWeights(const std::vector<int>& orders);

// The smoothed periodogram S(0..m) of I(1..m) (element k-1 holds I(k)) of a
// series of length n. Beyond the ends the periodogram is reflected about 0
// and pi (it is even and has period n in k), and frequency 0 stands for S(0);
// so a total half-width h of m or more smooths over the reflections again.
std::vector<double> SmoothPeriodogram(const std::vector<double>& periodogram, const std::vector<double>& weights,
                                      int n);

// W(0)^2 + 2 sum over j >= 1 of W(j)^2.
double WeightSumOfSquares(const std::vector<double>& weights);

}  // namespace kora
