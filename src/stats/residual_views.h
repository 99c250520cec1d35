// Windows of the residual analysis: the residual plot, the residual ACF/PACF
// and the tests-of-randomness report, with the dialog that asks for h.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

// Plots e(t) against the time indices of the current series in the window
// "Residuals: " + project name, creating it when needed, and rewrites its report.
void ResidualPlot(platform::Platform& ui, UnivariateProject& project);
std::string ResidualPlotText(const UnivariateProject& project);

// Recomputes the residual ACF/PACF, draws the panels the residual flags
// select (creating the window when needed) and rewrites its report.
void ResidualAcfPlot(platform::Platform& ui, UnivariateProject& project);
std::string ResidualAcfText(const UnivariateProject& project);
// Residual Analysis > ACF/PACF: plot, or cycle the panels of an open window.
void ResidualAcfCommand(platform::Platform& ui, UnivariateProject& project);

// The h dialog: h with m <= h <= U (U = n, or 54 when n > 53); nothing when cancelled.
std::optional<int> HDialog(platform::Platform& ui, int m, int n);
// Computes the tests and writes them into "Tests of randomness: " + name,
// asking for h when interactive, else with the automatic h.
void RandomnessTests(platform::Platform& ui, UnivariateProject& project, bool interactive);

// The residual part of a refresh: residuals recomputed when data are present,
// then the open tests report, residual plot and residual ACF/PACF follow.
void RefreshResidualViews(platform::Platform& ui, UnivariateProject& project);

}  // namespace kora
