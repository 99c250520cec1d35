#include <gtest/gtest.h>

#include <cmath>

#include "reference_data.h"
#include "platform/event_queue.h"
#include "project/project_views.h"
#include "linalg/householder_qr.h"
#include "regression/regression_design.h"
#include "regression/regression_dialog.h"
#include "regression/regression_estimation.h"
#include "regression/regression_report.h"
#include "recording_observer.h"

namespace kora {
namespace {

using testing::ModelOf;
using testing::ReadDataFile;

UnivariateProject ProjectWith(std::vector<double> x, int order, bool intercept, std::vector<int> harmonics = {}) {
  UnivariateProject project;
  project.firstIndex = 1;
  project.lastIndex = static_cast<int>(x.size());
  project.series = std::move(x);
  project.trend.polyOrder = order;
  project.trend.includeIntercept = intercept;
  project.trend.harmonicCount = static_cast<int>(harmonics.size());
  for (size_t i = 0; i < harmonics.size(); ++i) project.trend.fourierIndex[i] = harmonics[i];
  BuildTrendDesign(project);
  return project;
}

// Straight-line least squares by the textbook sums (independent of QR).
std::pair<double, double> LineFit(const std::vector<double>& x) {
  const double n = static_cast<double>(x.size());
  double s0 = 0, s1 = 0;
  for (size_t t = 1; t <= x.size(); ++t) {
    s0 += x[t - 1];
    s1 += t * x[t - 1];
  }
  const double b = 12 * (s1 - s0 * (n + 1) / 2) / (n * (n * n - 1));
  return {s0 / n - b * (n + 1) / 2, b};
}

TEST(RegressionDesign, ColumnsCountAndValues) {
  UnivariateProject project = ProjectWith(std::vector<double>(8, 1.0), 2, true, {3});
  const RegressionTrend& trend = project.trend;
  ASSERT_EQ(trend.regressorCount, 5);
  EXPECT_TRUE(trend.trendSpecified);
  EXPECT_EQ(trend.estimationState, kTrendNotEstimated);
  const int n = 8;
  for (int t = 1; t <= n; ++t) {
    EXPECT_EQ(trend.design[0 * n + t - 1], 1.0);
    EXPECT_EQ(trend.design[1 * n + t - 1], t);
    EXPECT_EQ(trend.design[2 * n + t - 1], t * t);
    EXPECT_NEAR(trend.design[3 * n + t - 1], std::cos(2 * M_PI * 3 * t / n), 1e-10);
    EXPECT_NEAR(trend.design[4 * n + t - 1], std::sin(2 * M_PI * 3 * t / n), 1e-10);
  }
  // No intercept and order 0 without harmonics: nothing to build.
  UnivariateProject empty = ProjectWith({1.0, 2.0}, 0, false);
  EXPECT_EQ(empty.trend.regressorCount, 0);
  EXPECT_FALSE(empty.trend.trendSpecified);
  EXPECT_FALSE(EstimateRegressionLS(empty));
}

TEST(LeastSquares, MatchesTheLineFormulaAndKeepsDependentColumnsOut) {
  const std::vector<double> y = ReadDataFile("nile.txt");
  const int n = static_cast<int>(y.size());
  std::vector<double> a(2 * n);
  for (int t = 1; t <= n; ++t) {
    a[t - 1] = 1.0;
    a[n + t - 1] = t;
  }
  const auto [intercept, slope] = LineFit(y);
  LeastSquaresResult ls = SolveLeastSquares(a, n, 2, y, 0.0);
  EXPECT_EQ(ls.rank, 2);
  EXPECT_NEAR(ls.beta[0], intercept, 1e-8);
  EXPECT_NEAR(ls.beta[1], slope, 1e-10);
  for (int t = 0; t < n; ++t) EXPECT_NEAR(ls.residual[t], y[t] - intercept - slope * (t + 1), 1e-8);

  // A repeated column (and a multiple of one) stays out: coefficient 0, same fit.
  std::vector<double> b(a);
  for (int t = 1; t <= n; ++t) b.push_back(2.0 * t);
  b.insert(b.end(), a.begin(), a.begin() + n);
  ls = SolveLeastSquares(b, n, 4, y, 0.0);
  EXPECT_EQ(ls.rank, 2);
  EXPECT_EQ(ls.beta[2], 0.0);
  EXPECT_EQ(ls.beta[3], 0.0);
  EXPECT_NEAR(ls.beta[1], slope, 1e-10);

  // More columns than observations: an exact interpolation, never NaN.
  UnivariateProject tiny = ProjectWith({3.0, 1.0, 4.0}, 4, true);
  ASSERT_TRUE(EstimateRegressionLS(tiny));
  for (double v : tiny.trend.beta) EXPECT_TRUE(std::isfinite(v));
  for (double v : tiny.series) EXPECT_NEAR(v, 0.0, 1e-9);
  EXPECT_EQ(tiny.trend.beta[3], 0.0);
  EXPECT_EQ(tiny.trend.beta[4], 0.0);
}

TEST(RegressionEstimation, LsRepeatsRemovesAndGlsWithWhiteNoiseIsLs) {
  const std::vector<double> y = ReadDataFile("nile.txt");
  UnivariateProject project = ProjectWith(y, 1, true);
  ASSERT_TRUE(EstimateRegressionLS(project));
  const auto [intercept, slope] = LineFit(y);
  EXPECT_NEAR(project.trend.beta[0], intercept, 1e-8);
  EXPECT_EQ(project.trend.estimationState, kTrendLeastSquares);
  EXPECT_TRUE(TrendPresent(project.trend));
  EXPECT_NEAR(project.series[0] + project.trend.fit[0], y[0], 1e-9);
  const std::vector<double> first = project.trend.beta;
  ASSERT_TRUE(EstimateRegressionLS(project));  // the fit is added back first
  EXPECT_NEAR(project.trend.beta[1], first[1], 1e-12);

  project.model = ModelOf({}, {}, 2.5);
  ASSERT_TRUE(EstimateRegressionGLS(project));
  EXPECT_EQ(project.trend.estimationState, kTrendGeneralizedLs);
  EXPECT_NEAR(project.trend.beta[0], intercept, 1e-8);
  EXPECT_NEAR(project.trend.beta[1], slope, 1e-10);
  // covariance = s (D'D)^-1 with D'D = [[n, sum t], [sum t, sum t^2]].
  const double n = 100, st = n * (n + 1) / 2, stt = n * (n + 1) * (2 * n + 1) / 6, det = n * stt - st * st;
  EXPECT_NEAR(project.trend.covariance[0], 2.5 * stt / det, 1e-12);
  EXPECT_NEAR(project.trend.covariance[1], -2.5 * st / det, 1e-12);
  EXPECT_NEAR(project.trend.covariance[3], 2.5 * n / det, 1e-12);
  EXPECT_EQ(project.model.whiteNoiseVariance, 2.5);  // the model is left as it was

  RemoveRegressionTrend(project);
  for (size_t t = 0; t < y.size(); ++t) EXPECT_NEAR(project.series[t], y[t], 1e-9);
  EXPECT_FALSE(project.trend.trendSpecified);
  EXPECT_EQ(project.trend.regressorCount, 0);
  EXPECT_TRUE(project.trend.fit.empty());
}

// With AR(1) errors the exact GLS transform is Prais-Winsten: sqrt(1-phi^2) x(1),
// then x(t) - phi x(t-1); the line through the transformed data by normal equations.
TEST(RegressionEstimation, GlsWithAr1ErrorsIsPraisWinsten) {
  const std::vector<double> y = ReadDataFile("nile.txt");
  const int n = static_cast<int>(y.size());
  const double phi = 0.6;
  UnivariateProject project = ProjectWith(y, 1, true);
  project.model = ModelOf({phi}, {}, 1.0);
  ASSERT_TRUE(EstimateRegressionGLS(project));
  auto transform = [&](auto value) {
    std::vector<double> out(n);
    out[0] = std::sqrt(1 - phi * phi) * value(1);
    for (int t = 2; t <= n; ++t) out[t - 1] = value(t) - phi * value(t - 1);
    return out;
  };
  const auto ys = transform([&](int t) { return y[t - 1]; });
  const auto c0 = transform([](int) { return 1.0; });
  const auto c1 = transform([](int t) { return static_cast<double>(t); });
  double a00 = 0, a01 = 0, a11 = 0, b0 = 0, b1 = 0;
  for (int t = 0; t < n; ++t) {
    a00 += c0[t] * c0[t];
    a01 += c0[t] * c1[t];
    a11 += c1[t] * c1[t];
    b0 += c0[t] * ys[t];
    b1 += c1[t] * ys[t];
  }
  const double det = a00 * a11 - a01 * a01;
  EXPECT_NEAR(project.trend.beta[0], (a11 * b0 - a01 * b1) / det, 1e-6);
  EXPECT_NEAR(project.trend.beta[1], (a00 * b1 - a01 * b0) / det, 1e-8);
  EXPECT_NEAR(project.trend.covariance[3], a00 / det, 1e-10);
  // The residual series and the fit add up to the data.
  for (int t = 0; t < n; ++t) EXPECT_NEAR(project.series[t] + project.trend.fit[t], y[t], 1e-9);
}

TEST(RegressionReport, LayoutOfLsAndGls) {
  UnivariateProject project = ProjectWith(ReadDataFile("nile.txt"), 1, true, {2});
  ASSERT_TRUE(EstimateRegressionLS(project));
  std::string text = RegressionReportText(project);
  EXPECT_EQ(text.rfind("========================================\r\nKORA::Tarn(Regression estimates)\r\n", 0), 0u);
  EXPECT_NE(text.find("Method: Least Squares\r\n"), std::string::npos);
  EXPECT_NE(text.find("           Coeff     Value      \r\n              0"), std::string::npos);
  EXPECT_NE(text.find("\r\n              3"), std::string::npos);
  EXPECT_EQ(text.find("\r\n              4"), std::string::npos);
  project.model = ModelOf({}, {}, 1.0);
  ASSERT_TRUE(EstimateRegressionGLS(project));
  text = RegressionReportText(project);
  EXPECT_NE(text.find("Method: Generalized Least Squares"), std::string::npos);
  EXPECT_NE(text.find("WN Variance = 1.000000\r\n"), std::string::npos);
  EXPECT_NE(text.find("           Coeff     Value          Std Error \r\n"), std::string::npos);
}

using Recorder = testing::RecordingObserver;

platform::UserEvent Event(platform::EventType type, int id = 0, std::string text = "", int number = 0) {
  platform::UserEvent e{type};
  e.control = platform::ControlRef{id, ""};
  e.text = std::move(text);
  e.number = number;
  return e;
}

TEST(RegressionDialog, FieldsAreCheckedOnLeavingAndCancelClearsTheRegressors) {
  using platform::EventType;
  platform::EventQueue queue;
  Recorder recorder;
  platform::Platform ui{queue, recorder};
  for (const auto& e : {Event(EventType::Focus, kPolynomialOrderField),
                        Event(EventType::SetText, kPolynomialOrderField, "11"), Event(EventType::Click, 1),
                        Event(EventType::Ok), Event(EventType::SetText, kPolynomialOrderField, "2"),
                        Event(EventType::Enter),  // moves the focus to OK only
                        Event(EventType::Check, kHarmonicBox, "", 1),
                        Event(EventType::SetText, kHarmonicCountField, "5"), Event(EventType::Focus, 1082),
                        Event(EventType::Ok), Event(EventType::SetText, kHarmonicCountField, "1"),
                        Event(EventType::SetText, 1082, "9"), Event(EventType::Focus, 1082),
                        Event(EventType::Click, 1), Event(EventType::Ok),
                        Event(EventType::SetText, 1082, "3"), Event(EventType::Click, kInterceptBox),
                        Event(EventType::Click, 1),
                        // second run: cancelled
                        Event(EventType::Click, 2)})
    queue.Push(e);
  queue.Close();
  UnivariateProject project;
  project.series = ReadDataFile("nile.txt");
  project.series.resize(8);
  project.firstIndex = 1;
  project.lastIndex = 8;
  ASSERT_TRUE(RunRegressionDialog(ui, project));
  ASSERT_EQ(recorder.shown.size(), 3u);
  EXPECT_EQ(recorder.shown[0].caption, "KORA Error");
  EXPECT_EQ(recorder.shown[0].text, "Degree must be between 0 and 10");
  EXPECT_EQ(recorder.shown[1].text, "Number of harmonics must be between 0 and 4");
  EXPECT_EQ(recorder.shown[2].text, "Index must be between 1 and number of obs.");
  EXPECT_EQ(project.trend.polyOrder, 2);
  EXPECT_EQ(project.trend.harmonicCount, 1);
  EXPECT_EQ(project.trend.fourierIndex[0], 3);
  EXPECT_FALSE(project.trend.includeIntercept);
  EXPECT_EQ(BuildTrendDesign(project), 4);
  RemoveRegressionTrend(project);
  EXPECT_FALSE(RunRegressionDialog(ui, project));
  EXPECT_EQ(BuildTrendDesign(project), 0);
  EXPECT_FALSE(project.trend.includeIntercept);  // kept by Cancel
  EXPECT_FALSE(project.trend.trendSpecified);
}

}  // namespace
}  // namespace kora
