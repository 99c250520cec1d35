// The "KORA::Tarn(Autofit)" report: every candidate of an order search with
// its -2Log(Likelihood), AICC, status and time, best first.
#pragma once

#include <string>

#include "arma/autofit.h"

namespace kora {

std::string AutofitReportText(const AutofitResult& result, int maxP, int maxQ);

}  // namespace kora
