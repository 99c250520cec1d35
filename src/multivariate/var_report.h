// The report texts of a multivariate project: INFO, the Yule-Walker and Burg
// estimates and the AR forecasts.
#pragma once

#include <string>

#include "multivariate/multivariate_project.h"
#include "multivariate/var_estimation.h"

namespace kora {

std::string MultivariateInfoText(const MultivariateProject& project);
// searched: the order was chosen by the AICC search.
std::string VarEstimatesText(const MultivariateArModel& model, VarEstimator estimator, bool searched);
std::string VarForecastText(const MultivariateArModel& model);

}  // namespace kora
