// The "ARMA Simulation" dialog and the additions it asks for (regression
// trend, mean, trend/seasonal component, inverse Box-Cox).
#pragma once

#include <vector>

#include "platform/dialog.h"
#include "project/univariate_project.h"

namespace kora {

struct SimulationRequest {
  int n = 100;
  int seed = 1234;
  double sigma2 = 1.0;
  double mean = 0.0;
  bool addComponent = false;  // trend/seasonal component of the classical step
  bool addBoxCox = false;
  bool addRegression = false;
  bool newProject = true;
};

class SimulationDialog : public platform::Dialog {
 public:
  explicit SimulationDialog(const UnivariateProject& project);
  void OnCommand(int id) override;
  SimulationRequest request() const { return request_; }

 private:
  const UnivariateProject& project_;
  SimulationRequest request_;
};

// Applies the additions of the request to a simulated series, in order:
// regression trend, mean, trend/seasonal component, inverse Box-Cox. With an
// active regression trend left out, nothing is added.
void AddSimulationComponents(const UnivariateProject& project, const SimulationRequest& request,
                             std::vector<double>& series);

}  // namespace kora
