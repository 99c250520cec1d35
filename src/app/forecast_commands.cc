// Forecasting commands on the current univariate project.
#include "app/application.h"
#include "app/commands.h"
#include "forecast/arma_forecast_view.h"

namespace kora {

void ArmaForecastCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  if (ArmaForecast(app.ui, project, false)) app.UpdateFrame();
}

}  // namespace kora
