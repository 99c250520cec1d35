#include "report/aicc_text.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "arma/estimation_settings.h"
#include "arma/max_likelihood_report.h"
#include "arma/preliminary_estimation.h"
#include "arma/preliminary_report.h"
#include "multivariate/var_report.h"
#include "report/number_format.h"

namespace kora {
namespace {

bool Shows(const std::string& report, const std::string& line) {
  return report.find("\r\n" + line + "\r\n") != std::string::npos;
}

// Reports name an AICC without a value instead of printing 0.
TEST(AiccText, ReportsSayWhenAiccIsUndefined) {
  const std::string undefined = std::string("AICC = ") + kAiccUndefinedText;
  for (const auto& [series, p, defined] :
       {std::tuple{std::vector<double>{1.0, -2.0, 0.5, 3.0, -1.0}, 4, false},
        std::tuple{std::vector<double>{1.0, -2.0, 0.5, 3.0, -1.0, 2.0, -0.5}, 2, true}}) {
    UnivariateProject project;
    project.series = series;
    const PreliminaryEstimate estimate = EstimatePreliminary(series, {p, 0, kYuleWalker, 0});
    ASSERT_NE(estimate.outcome, PreliminaryOutcome::kFailed);
    StorePreliminaryEstimate(estimate, project);
    for (const std::string& report : {PreliminaryReportText(project), MlReportText(project)}) {
      EXPECT_EQ(Shows(report, undefined), !defined) << report;
      EXPECT_EQ(Shows(report, "AICC = " + FormatFixed(project.model.aicc, 6)), defined);
    }
  }
  MultivariateArModel var;
  var.aicc = 1e20;  // an order too high for the data
  EXPECT_TRUE(Shows(VarEstimatesText(var, VarEstimator::kYuleWalker, true), undefined));
}

}  // namespace
}  // namespace kora
