// The ACF/PACF plot window of a project, its commands and the lag dialog.
#pragma once

#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

// Recomputes the sample ACF/PACF of the current series and (re)draws the
// ACF/PACF window, creating it when needed. Returns whether data were present.
bool SampleAcfPlot(platform::Platform& ui, UnivariateProject& project);
// Puts the stored ACF/PACF values into the window's panels by the display flags.
void DrawAcfPlot(platform::Platform& ui, UnivariateProject& project);
// Both panels -> ACF only -> PACF only -> both.
int NextAcfPanels(int flags);
// Statistics > ACF/PACF > Sample.
void SampleAcfCommand(platform::Platform& ui, UnivariateProject& project);
// ACF/PACF > Specify Lag: returns whether the lag counts changed.
bool SpecifyLagDialog(platform::Platform& ui, UnivariateProject& project);

}  // namespace kora
