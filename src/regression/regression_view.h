// The windows of the regression trend: the "Regression estimates" report and
// the fit plot (data and fitted trend).
#pragma once

#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

// Writes the report into the project's "Regression estimates" window,
// creating it when absent; closes the fit plot's INFO window.
void RegressionReport(platform::Platform& ui, UnivariateProject& project);

// Draws Y(t) and the fit into the fit plot, opening it when `open` is set;
// otherwise only an open window is redrawn.
void ShowRegressionFit(platform::Platform& ui, UnivariateProject& project, bool open);

// The views after an estimation or a removal.
void RefreshRegressionViews(platform::Platform& ui, UnivariateProject& project);

// Closes the fit plot and the report window.
void CloseRegressionViews(platform::Platform& ui, UnivariateProject& project);

}  // namespace kora
