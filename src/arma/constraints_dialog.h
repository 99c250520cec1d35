// The "Constrain Optimization" dialog: coefficients fixed during maximum
// likelihood estimation and up to six multiplicative relations
// factor1 x factor2 = target within the AR or the MA group.
#pragma once

#include <array>
#include <vector>

#include "arma/arma_model.h"
#include "platform/dialog.h"

namespace kora {

class ConstraintsDialog : public platform::Dialog {
 public:
  explicit ConstraintsDialog(ArmaModel& model);
  void OnCommand(int id) override;
  void OnChange(int id) override;
  void OnSelect(int id) override;

 private:
  struct Relation {
    bool ma = false;
    int factor1 = 0, factor2 = 0, target = 0;  // indices within the group
  };
  void FillLists();
  void ShowRelationCount();
  void LoadRelation();
  bool IsFixed(int combined) const { return fixed_[combined - 1]; }
  // Validates everything on OK; false (after its message) keeps the dialog open.
  bool Store();

  ArmaModel& model_;
  std::vector<double> coefficients_;  // the dialog's copy, combined order
  std::vector<bool> fixed_;           // combined order
  int relationCount_ = 0;
  int current_ = 0;  // relation being edited, 0-based
  std::array<Relation, kMaxRelations> relations_{};
};

}  // namespace kora
