// Classical decomposition: a seasonal component of a given period or a few
// harmonics, then a polynomial trend of degree 0..2, estimated from the
// current series, removed from it and recorded as one transformation step.
#pragma once

#include <array>
#include <vector>

#include "project/univariate_project.h"

namespace kora {

struct ClassicalSettings {
  bool seasonal = false;
  int period = -1;
  bool harmonic = false;
  int harmonicCount = 0;
  std::array<int, 4> indices{};
  int degree = 1;  // 0, 1 or 2
};

// The three estimators. Each removes its component from x in place and adds
// it to the fit F (both of length n).
std::vector<double> SeasonalComponent(std::vector<double>& x, int period, std::vector<double>& fit);
// Fills the step's cosine and sine sums A, B and the harmonic mean.
void HarmonicComponent(std::vector<double>& x, TransformStep& step, std::vector<double>& fit);
// Least-squares trend a + b t + c t^2 (t = 1..n) of the degree; stores the coefficients in the step.
void TrendFit(std::vector<double>& x, int degree, TransformStep& step, std::vector<double>& fit);

// Applies the decomposition to the current series and pushes its step (kind 4
// or 8); the fit array receives F(1..n). Nothing is applied (false) when
// neither component is asked for and the degree is 0, or without data.
bool PushClassical(UnivariateProject& project, const ClassicalSettings& settings, std::vector<double>* fit = nullptr);
// Adds back what the newest step removed and pops it; false when the newest
// step is not a classical one.
bool UndoClassical(UnivariateProject& project);
// The settings that produced a classical step.
ClassicalSettings SettingsOfStep(const TransformStep& step);

}  // namespace kora
