#include "arma/autofit_report.h"

#include "report/aicc_text.h"
#include "report/number_format.h"
#include "report/report.h"

namespace kora {

namespace {

constexpr int kBanner = 40;

std::string RightAligned(const std::string& text, int width) {
  return std::string(text.size() < static_cast<size_t>(width) ? width - text.size() : 0, ' ') + text;
}

std::string CandidateRow(const AutofitCandidate& c, int n) {
  const std::string aicc = AiccDefined(n, c.p + c.q) ? FormatFixed(c.estimate.aicc, 6) : "undefined";
  return RightAligned(FormatInteger(c.p), 5) + RightAligned(FormatInteger(c.q), 5) +
         RightAligned(FormatFixed(c.estimate.minus2LogLikelihood, 6), 20) + RightAligned(aicc, 18) +
         RightAligned(FormatFixed(c.seconds, 3), 10) + "  " + c.status;
}

}  // namespace

std::string AutofitReportText(const AutofitResult& result, int maxP, int maxQ) {
  Report report;
  report.AppendHeader("KORA::Tarn(Autofit)", kBanner);
  report.AppendBlankLine();
  report.AppendLine("Orders searched: p = 0.." + FormatInteger(maxP) + ", q = 0.." + FormatInteger(maxQ) +
                    " (" + FormatInteger(static_cast<int>(result.candidates.size())) +
                    " models, n = " + FormatInteger(result.n) + ")");
  if (result.found()) {
    const AutofitCandidate& best = result.candidates.front();
    report.AppendLine("Chosen model: ARMA(" + FormatInteger(best.p) + "," + FormatInteger(best.q) +
                      "), the smallest AICC");
  } else {
    report.AppendLine("No candidate gave a usable model; the project's model is unchanged.");
  }
  report.AppendLine("Search time (s) = " + FormatFixed(result.seconds, 3));
  report.AppendBlankLine();
  report.AppendLine("    p    q   -2Log(Likelihood)              AICC  Time (s)  Status");
  for (const AutofitCandidate& c : result.candidates) report.AppendLine(CandidateRow(c, result.n));
  report.AppendBlankLine();
  return report.text();
}

}  // namespace kora
