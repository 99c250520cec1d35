// Forecasting > Holt-Winters and Forecasting > Seasonal Holt-Winters.
#include "app/application.h"
#include "app/commands.h"
#include "forecast/holt_winters_view.h"

namespace kora {

void HoltWintersCommand(Application& app) {
  if (HoltWintersForecast(app.ui, *app.CurrentUnivariate(), false)) app.UpdateFrame();
}

void SeasonalHoltWintersCommand(Application& app) {
  if (HoltWintersForecast(app.ui, *app.CurrentUnivariate(), true)) app.UpdateFrame();
}

}  // namespace kora
