// The "Maximum likelihood estimates" report.
#pragma once

#include <string>

#include "project/univariate_project.h"

namespace kora {

std::string MlReportText(const UnivariateProject& project);

}  // namespace kora
