// The "Autofit" dialog: the largest AR and MA orders of the search and
// whether the mean is subtracted first.
#pragma once

#include "platform/dialog.h"

namespace kora {

struct AutofitRequest {
  int maxP = 5;
  int maxQ = 5;
  bool subtractMean = true;
};

// Orders above this make the search too long to wait for (121 fits).
inline constexpr int kAutofitMaxOrder = 10;

class AutofitDialog : public platform::Dialog {
 public:
  // meanChoice: whether the mean may still be subtracted (no mean step, no trend).
  AutofitDialog(const AutofitRequest& initial, bool meanChoice);
  void OnCommand(int id) override;
  // Valid after the dialog ended with OK.
  AutofitRequest request() const { return request_; }

 private:
  bool ReadBound(int id, int& bound);
  AutofitRequest request_;
};

}  // namespace kora
