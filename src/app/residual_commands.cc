// Statistics > Residual Analysis: plot, ACF/PACF and tests of randomness of
// the residuals of the current model. Each does nothing without residuals.
#include "app/application.h"
#include "app/commands.h"
#include "stats/residual_views.h"

namespace kora {

void ResidualPlotCommand(Application& app) { ResidualPlot(app.ui, *app.CurrentUnivariate()); }

void ResidualAcfCommand(Application& app) { ResidualAcfCommand(app.ui, *app.CurrentUnivariate()); }

void TestsOfRandomnessCommand(Application& app) { RandomnessTests(app.ui, *app.CurrentUnivariate(), true); }

}  // namespace kora
