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
// "AR Coefficients" and "MA Coefficients" with their rows (each only when the
// order is positive), separated by a line of two blanks.
void AppendCoefficientBlocks(Report& report, const ArmaModel& model);

std::string PreliminaryReportText(const UnivariateProject& project);

}  // namespace kora
