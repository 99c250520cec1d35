// The transformation stack of a univariate project: one push and one undo per
// kind of step, applied in place to the current series. Pure operations; the
// dialogs and the Undo command decide when to call them.
#pragma once

#include <string>
#include <vector>

#include "project/univariate_project.h"

namespace kora {

// Replaces the current series; the first time index becomes `firstIndex` and
// the last one follows from the length (last = first + n - 1).
void SetCurrentSeries(UnivariateProject& project, std::vector<double> series, int firstIndex);

// Box-Cox of one value and its inverse; lambda below 1e-7 means the logarithm.
double BoxCox(double x, double lambda);
double InverseBoxCox(double y, double lambda);

// Each push applies its step and records it as the newest. A push whose input
// cannot be applied (no data, lag outside 1..n-1, range outside the current
// indices) changes nothing and returns false; the dialogs validate first.
bool PushDifference(UnivariateProject& project, int lag);
bool PushBoxCox(UnivariateProject& project, double lambda);
bool PushSubtractMean(UnivariateProject& project);
bool PushSubsequence(UnivariateProject& project, int lo, int hi);

// Each undo reverses the newest step and pops it; when the newest step is of
// another kind (or the stack is empty) it does nothing and returns false.
bool UndoDifference(UnivariateProject& project);
bool UndoBoxCox(UnivariateProject& project);
bool UndoSubtractMean(UnivariateProject& project);
bool UndoSubsequence(UnivariateProject& project);

// Undoes the newest step by its kind (classical steps through the
// decomposition code).
bool UndoTopStep(UnivariateProject& project);

// The name of a step in the history text: "Difference", "Box-Cox",
// "Classical", "Subtract Mean", "Subsequence"; empty for an unknown kind.
std::string TransformStepName(int kind);

}  // namespace kora
