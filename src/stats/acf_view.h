// The ACF/PACF plot window of a project, its commands and the lag dialog.
#pragma once

#include <optional>
#include <string>

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
// The largest lag count the lag dialog takes: the partial autocorrelations
// cost lags^2 operations, and this many end well within a second.
inline constexpr int kMaxAcfLags = 10000;
// Why the lag dialog refuses a count of at least 1 for a series of n values
// (a count at or beyond n when n > 1, or above kMaxAcfLags), or nothing.
std::optional<std::string> LagCountRefusal(int lags, int n);
// ACF/PACF > Specify Lag: returns whether the lag counts changed. A refused
// count is named in a message and the dialog opens again.
bool SpecifyLagDialog(platform::Platform& ui, UnivariateProject& project);

}  // namespace kora
