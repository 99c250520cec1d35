#include "arma/model_text.h"

#include <gtest/gtest.h>

#include <string>

namespace kora {
namespace {

std::string ModelText(const UnivariateProject& project) {
  Report report;
  ModelDescriptionText(project, report);
  return report.text();
}

TEST(ModelText, WhiteNoiseOfNewProject) {
  EXPECT_EQ(ModelText(UnivariateProject{}), "ARMA Model: \r\nX(t) =  Z(t)\r\n");
  // A specified but not estimated trend is not shown.
  UnivariateProject project;
  project.trend.trendSpecified = true;
  project.trend.polyOrder = 2;
  project.trend.beta = {1, 2, 3};
  EXPECT_EQ(ModelText(project), "ARMA Model: \r\nX(t) =  Z(t)\r\n");
}

TEST(ModelText, TermsWrapFourToALine) {
  UnivariateProject project;
  project.model.arOrder = 5;
  project.model.phi = {0.5, -0.25, 0.125, -1.5, 2};
  project.model.maOrder = 2;
  project.model.theta = {0.3, -0.4};
  EXPECT_EQ(ModelText(project),
            "ARMA Model: \r\n"
            "X(t) =   0.50000000 X(t-1)  -0.25000000 X(t-2)  +0.12500000 X(t-3)  -1.5000000 X(t-4)   \r\n"
            "       +2.0000000 X(t-5) \r\n"
            "     + Z(t) +0.30000000 Z(t-1)  -0.40000000 Z(t-2) \r\n");

  // Without AR terms the MA terms follow Z(t) on the first line and wrap too.
  UnivariateProject ma;
  ma.model.maOrder = 5;
  ma.model.theta = {-1, 1, 1, 1, 1};
  EXPECT_EQ(ModelText(ma),
            "ARMA Model: \r\n"
            "X(t) =  Z(t) -1.0000000 Z(t-1)  +1.0000000 Z(t-2)  +1.0000000 Z(t-3)  +1.0000000 Z(t-4)   \r\n"
            "       +1.0000000 Z(t-5) \r\n");
}

TEST(ModelText, FractionalModel) {
  UnivariateProject project;
  project.model.fractional = true;
  project.model.fractionalD = 0.25;
  project.model.arOrder = 1;
  project.model.phi[0] = 0.5;
  EXPECT_EQ(ModelText(project),
            "ARMA Model: \r\n"
            "(1-B)^0.2500 X(t) \r\n"
            "     =   0.50000000 X(t-1) \r\n"
            "     + Z(t)\r\n");
}

TEST(ModelText, EstimatedTrend) {
  UnivariateProject project;
  RegressionTrend& trend = project.trend;
  trend.estimationState = 1;
  trend.polyOrder = 1;
  trend.harmonicCount = 2;
  trend.fourierIndex = {4, 8, 0, 0};
  trend.beta = {1100.5, -2.25, 10, -20, 30, 40};
  EXPECT_EQ(
      ModelText(project),
      " Y(t) = M(t) + X(t)\r\n"
      "  \r\n"
      "Trend Function: \r\n"
      "M(t) =   1100.5000 t^0  -2.2500000 t^1  +10.000000 Cos(2*pi*t4/N)  -20.000000 Sin(2*pi*t4/N)   \r\n"
      "       +30.000000 Cos(2*pi*t8/N)  +40.000000 Sin(2*pi*t8/N) \r\n"
      "  \r\n"
      "ARMA Model: \r\n"
      "X(t) =  Z(t)\r\n");

  // Without the intercept the powers start at 1; the first term may be negative.
  trend.includeIntercept = false;
  trend.polyOrder = 2;
  trend.harmonicCount = 0;
  trend.beta = {-0.5, 0.75};
  EXPECT_EQ(ModelText(project),
            " Y(t) = M(t) + X(t)\r\n"
            "  \r\n"
            "Trend Function: \r\n"
            "M(t) =  -0.50000000 t^1  +0.75000000 t^2 \r\n"
            "  \r\n"
            "ARMA Model: \r\n"
            "X(t) =  Z(t)\r\n");
}

}  // namespace
}  // namespace kora
