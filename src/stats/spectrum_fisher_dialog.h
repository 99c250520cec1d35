// "Fisher Spectrum Test": the ratio and probability of Fisher's test.
//
// Control ids: 1300 the ratio line, 1301 the probability line (read-only), 1 OK.
#pragma once

#include "platform/dialog.h"

namespace kora {

inline constexpr int kFisherRatioLine = 1300;
inline constexpr int kFisherProbabilityLine = 1301;

class FisherTestDialog : public platform::Dialog {
 public:
  FisherTestDialog(double ratio, double probability);
};

}  // namespace kora
