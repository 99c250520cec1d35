// Model > Simulate: a realisation of the current model into the current or a new project.
#include "app/application.h"
#include "app/commands.h"
#include "arma/simulation.h"
#include "arma/simulation_dialog.h"
#include "project/project_views.h"

namespace kora {

namespace {

// The uniform generator lives as long as the program: seed 0 continues it.
UniformGenerator& Generator() {
  static UniformGenerator generator;
  return generator;
}

// Enters a finished record's series and model as a new univariate project and
// makes it current; without a free slot the record is discarded and no
// project is current.
void RegisterProject(Application& app, const ArmaModel& model, std::vector<double> series) {
  const int slot = app.registry.LowestFreeSlot();
  if (slot == 0) {
    app.ui.Message("KORA::Error", "Maximum allowable projects exceeded");
    app.current = 0;
    return;
  }
  RegistrySlot& entry = app.registry[slot];
  entry.kind = kUnivariate;
  entry.univariate = NewUnivariateProject(app.ui, slot);
  entry.univariate->model = model;
  SetData(app.ui, *entry.univariate, std::move(series));
  app.MakeCurrent(slot);
}

}  // namespace

void SimulateCommand(Application& app) {
  UnivariateProject& project = *app.CurrentUnivariate();
  SimulationDialog dialog(project);
  if (app.ui.RunDialog(dialog) != platform::kIdOk) return;
  const SimulationRequest request = dialog.request();
  const std::vector<double> noise = GaussianNoise(request.n, request.seed, Generator());
  std::optional<std::vector<double>> series = SimulateArma(project.model, request.sigma2, noise);
  if (!series) return;  // not causal: no series
  AddSimulationComponents(project, request, *series);
  if (request.newProject) {
    ArmaModel model = project.model;
    model.whiteNoiseVariance = request.sigma2;
    RegisterProject(app, model, std::move(*series));
  } else {
    SetData(app.ui, project, std::move(*series));
  }
  app.UpdateFrame();
}

}  // namespace kora
