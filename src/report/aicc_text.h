// The AICC value of a report line, or words where the criterion has no value.
#pragma once

#include <string>

namespace kora {

// Shown instead of a number when n - k - 2 <= 0: the correction term
// 2(k+1)n/(n-k-2) has no finite positive value there.
inline constexpr char kAiccUndefinedText[] =
    "undefined (n - k - 2 <= 0: too few observations for the parameters)";

// Whether AICC is defined for n observations and k free parameters.
bool AiccDefined(int n, int k);

// The value in fixed point with 6 decimals when defined, else kAiccUndefinedText.
std::string AiccText(double aicc, int n, int k);

}  // namespace kora
