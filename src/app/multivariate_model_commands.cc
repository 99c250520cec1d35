// Model > Cross-ACF and Model > Simulate of a multivariate project.
#include "app/application.h"
#include "app/commands.h"
#include "arma/simulation.h"
#include "multivariate/cross_correlation.h"
#include "multivariate/multivariate_dialogs.h"
#include "multivariate/multivariate_views.h"
#include "multivariate/var_simulation.h"
#include "report/number_format.h"

namespace kora {

namespace {

constexpr int kMaxSimulated = 1000000;

// The sequence of the multivariate simulations, seeded as the univariate one.
UniformGenerator& Generator() {
  static UniformGenerator generator;
  return generator;
}

}  // namespace

void MvCrossAcfCommand(Application& app) {
  MultivariateProject* project = app.CurrentMultivariate();
  if (!project || !project->HasData()) return;
  const int n = project->data.n;
  int lags = std::min(project->crossAcfLags, n - 1);
  for (;;) {
    IntegerFieldsDialog dialog("Multivariate Cross-ACF", {{"Number of lags:", lags}});
    if (app.ui.RunDialog(dialog) != platform::kIdOk) return;
    const std::optional<int> value = dialog.Value(0);
    if (value && *value >= 1 && *value < n) {
      lags = *value;
      break;
    }
    app.ui.Message("ERROR", "Number of lags must be between 1 and " + FormatInteger(n - 1));
  }
  project->crossAcfLags = lags;
  const CrossCorrelations rho = SampleCrossCorrelations(MeanCorrect(project->data.values), lags);
  DrawCrossCorrelations(app.ui, *project, rho, lags);
  WriteMultivariateReport(app.ui, *project, project->crossAcfReportWindow,
                          "Cross-ACF:INFO: ", CrossCorrelationText(rho, n, lags));
}

void MvSimulateCommand(Application& app) {
  MultivariateProject* project = app.CurrentMultivariate();
  if (!project || !project->HasModel()) return;
  int count = project->simulationCount > 0 ? project->simulationCount : project->data.n;
  int seed = project->simulationSeed;
  for (;;) {
    IntegerFieldsDialog dialog("Multivariate AR Simulation",
                               {{"Number of observations:", count}, {"Random number seed:", seed}});
    if (app.ui.RunDialog(dialog) != platform::kIdOk) return;
    const std::optional<int> n = dialog.Value(0), s = dialog.Value(1);
    if (n && *n >= 1 && *n <= kMaxSimulated && s) {
      count = *n;
      seed = *s;
      break;
    }
    app.ui.Message("ERROR", "Number of observations must be between 1 and " + FormatInteger(kMaxSimulated) +
                                ", the seed an integer");
  }
  project->simulationCount = count;
  project->simulationSeed = seed;
  const int m = project->data.m;
  std::vector<double> z = GaussianNoise((kVarBurnIn + count) * m, seed, Generator());
  std::vector<std::vector<double>> series = SimulateVar(project->model, project->data.mu, count, z);
  if (series.empty()) return;
  const int slot = app.registry.LowestFreeSlot();
  if (slot == 0) {
    app.ui.Message("KORA::Error", "Maximum allowable projects exceeded");
    return;
  }
  RegistrySlot& entry = app.registry[slot];
  entry.kind = kMultivariate;
  entry.multivariate = NewMultivariateProject(app.ui, slot);
  InstallMultivariateData(app.ui, *entry.multivariate, std::move(series));
  app.current = slot;
  app.UpdateFrame();
}

}  // namespace kora
