// The "Maximum Likelihood Estimation" dialog and the fractional model's
// "ML Estimation (Fractionally Integrated ARMA)" dialog.
#pragma once

#include "arma/arma_model.h"
#include "platform/dialog.h"

namespace kora {

// Works on the model directly: OK stores the mode, the "No optimization"
// flag, the accuracy and the iteration limit; the "Constrain optimization"
// button runs the constraints dialog on the same model.
class MaxLikelihoodDialog : public platform::Dialog {
 public:
  explicit MaxLikelihoodDialog(ArmaModel& model);
  void OnCommand(int id) override;
  void OnChange(int id) override;

 private:
  bool Validate();
  ArmaModel& model_;
};

class FractionalMlDialog : public platform::Dialog {
 public:
  explicit FractionalMlDialog(ArmaModel& model);
  void OnCommand(int id) override;

 private:
  ArmaModel& model_;
};

}  // namespace kora
