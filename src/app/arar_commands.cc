// Forecasting > ARAR.
#include "app/application.h"
#include "app/commands.h"
#include "forecast/arar_view.h"

namespace kora {

void ArarForecastCommand(Application& app) {
  if (ArarForecast(app.ui, *app.CurrentUnivariate())) app.UpdateFrame();
}

}  // namespace kora
