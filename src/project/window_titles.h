// Window titles of a project: each window's title is its prefix followed by
// the project's name (the title of its main data plot).
#pragma once

#include <string>

#include "project/univariate_project.h"

namespace kora {

// Prefix of the plot window in the given plot slot.
const char* PlotTitlePrefix(int plotSlot);
// Prefix of that plot's report window, as the project rename writes it.
const char* PlotReportTitlePrefix(int plotSlot);
// Prefix of a report-only window.
const char* ReportOnlyTitlePrefix(int reportSlot);

inline constexpr const char* kNewUnivariateName = "New Univariate Project";
inline constexpr const char* kNewMultivariateName = "New Multivariate Project";
// What Rename and the Project Editor say to an empty name (caption "KORA::Error").
inline constexpr const char* kEmptyProjectNameText = "Project name must not be empty";

}  // namespace kora
