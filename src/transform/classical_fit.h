// The classical fit window ("Classical Decomposition: " + project name): the
// data before the classical step with the fitted components, and its report.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

// Draws the data (curve 1, against `firstIndex`..) and the fit (curve 2) into
// the fit window, opening it when needed.
void DrawClassicalFit(platform::Platform& ui, UnivariateProject& project, const std::vector<double>& data,
                      int firstIndex, const std::vector<double>& fit);
// Show Classical Fit: on a copy of the project, undoes the steps down to and
// including the classical one and recomputes its fit. False when the stack
// holds no classical step.
bool ShowClassicalFit(platform::Platform& ui, UnivariateProject& project);
// The "KORA::Tarn(Fit)" report of the classical step on the stack.
std::string FitReportText(const UnivariateProject& project);

}  // namespace kora
