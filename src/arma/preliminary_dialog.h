// The "Preliminary Estimation" dialog: orders, estimator choice and the
// Innovations ACVF count, with the rules that keep the choices consistent.
#pragma once

#include "arma/preliminary_estimation.h"
#include "platform/dialog.h"

namespace kora {

class PreliminaryDialog : public platform::Dialog {
 public:
  PreliminaryDialog(int p, int q, int previousMethod);
  void OnCommand(int id) override;
  void OnChange(int id) override;
  // Valid after the dialog ended with OK.
  PreliminaryRequest request() const { return request_; }

 private:
  bool Checked(int id) const { return Find(id)->checked; }
  // Selecting an estimator clears the others.
  void Set(int id, bool on);
  void EnableCount(bool on);
  // Reads an order field; shows its message and keeps the focus there when invalid.
  bool ReadOrder(int id, int& order);
  void ApplyOrderRules();
  PreliminaryRequest request_;
};

}  // namespace kora
