// The model equations printed by the reports: the regression trend M(t) when
// one has been estimated, then the ARMA equation of the project's model.
#pragma once

#include "project/univariate_project.h"
#include "report/report.h"

namespace kora {

// Appends the block of model lines to the report.
void ModelDescriptionText(const UnivariateProject& project, Report& report);

}  // namespace kora
