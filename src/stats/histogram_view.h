// The histogram windows of a project (data and residuals) and the
// "Specify Histogram Bins" dialog.
#pragma once

#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

inline constexpr int kHistogramBinsField = 1400;

// Histogram of the current series over the vertical range shown in the main
// data plot, in "HISTOGRAM: " + project name. A count of 0 chooses it
// automatically; the count used is stored. Returns false without data.
bool DrawHistogram(platform::Platform& ui, UnivariateProject& project, int bins);
// Histogram of the residuals over their own range, in "Residual:HISTOGRAM: "
// + project name. Returns false without residuals.
bool DrawResidualHistogram(platform::Platform& ui, UnivariateProject& project, int bins);
// "Specify Histogram Bins": the chosen count (at least 1), or 0 on Cancel.
int AskHistogramBins(platform::Platform& ui, const UnivariateProject& project);
// The refresh after a change of data or model: open histogram windows are
// redrawn with the stored count, with their reports; the data histogram only
// when the data changed.
void RefreshHistogramViews(platform::Platform& ui, UnivariateProject& project, bool dataChanged);

}  // namespace kora
