#include "report/aicc_text.h"

#include "report/number_format.h"

namespace kora {

bool AiccDefined(int n, int k) { return n - k - 2 > 0; }

std::string AiccText(double aicc, int n, int k) {
  return AiccDefined(n, k) ? FormatFixed(aicc, 6) : std::string(kAiccUndefinedText);
}

}  // namespace kora
