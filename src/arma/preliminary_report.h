// The "Preliminary estimates" report, and the coefficient rows shared with
// the maximum likelihood report.
#pragma once

#include <string>
#include <vector>

#include "project/univariate_project.h"
#include "report/report.h"

namespace kora {

// Rows of four numbers, each fixed-point with 6 decimals right-aligned in 15 characters.
void AppendCoefficientRows(Report& report, const std::vector<double>& values);

std::string PreliminaryReportText(const UnivariateProject& project);

}  // namespace kora
