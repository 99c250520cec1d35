#include "forecast/arma_forecast.h"

#include <gtest/gtest.h>

#include <cmath>

#include "forecast/arma_forecast_dialog.h"
#include "forecast/arma_forecast_view.h"
#include "forecast/forecast_undo.h"
#include "platform/event_queue.h"
#include "project/project_views.h"
#include "recording_observer.h"
#include "reference_data.h"
#include "transform/transform_ops.h"

namespace kora {
namespace {

using platform::ControlRef;
using platform::EventType;
using platform::UserEvent;
using testing::ModelOf;
using testing::ReadDataFile;
using testing::ReadReferenceFile;

UnivariateProject BareProject(std::vector<double> x) {
  UnivariateProject project;
  project.firstIndex = 1;
  project.lastIndex = static_cast<int>(x.size());
  project.untransformedSeries = x;
  project.series = std::move(x);
  return project;
}

ArmaModel NileArma11() {
  const auto fit = ReadReferenceFile("arma_ml.json")["fits"]["nile_ARMA(1,1)"];
  return ModelOf(fit["phi"].get<std::vector<double>>(), fit["theta"].get<std::vector<double>>(),
                 fit["sigma2"].get<double>());
}

TEST(ArmaForecast, NileArma11MatchesRWithAndWithoutTheMean) {
  const auto ref = ReadReferenceFile("arma_ml.json")["forecast_nile_ARMA(1,1)"];
  for (bool addMean : {true, false}) {
    UnivariateProject project = BareProject(ReadDataFile("nile.txt"));
    ASSERT_TRUE(PushSubtractMean(project));
    project.model = NileArma11();
    project.model.innovTolerance =
        1e-9;  // the steady-state test of the default 1e-4 moves the values by ~2e-4
    project.forecastCount = 10;
    project.forecastWnVariance = project.model.whiteNoiseVariance;
    project.forecastAddMean = addMean;
    DataScaleForecast out;
    ASSERT_TRUE(ComputeArmaForecast(project, out));
    const auto pred = ref[addMean ? "pred" : "pred_mean_corrected"].get<std::vector<double>>();
    const auto se = ref["sqrt_mse"].get<std::vector<double>>();
    ASSERT_EQ(project.armaForecasts.size(), 10u);
    for (int h = 0; h < 10; ++h) {
      EXPECT_NEAR(project.armaForecasts[h], pred[h], 1e-4) << h;
      EXPECT_NEAR(std::sqrt(project.armaForecastMse[h]), se[h], 1e-4) << h;
    }
    EXPECT_EQ(out.firstIndex, 1);
    EXPECT_EQ(out.lastIndex, 100);
    // The series beside the forecasts is the data on the same scale.
    EXPECT_NEAR(out.data[0], addMean ? 1120.0 : 1120.0 - 919.35, 1e-9);
  }
}

// Forecasting the last k values from the first n - k, with the true working
// values as forecasts, must give back the data exactly when the steps were
// applied in the order the inversions undo them (Box-Cox, differences, mean).
TEST(ForecastUndo, UndoChainReproducesTheDataExactly) {
  const std::vector<double> x = ReadDataFile("air_passengers.txt");
  const int n = static_cast<int>(x.size()), k = 20;
  UnivariateProject part = BareProject(std::vector<double>(x.begin(), x.end() - k));
  ASSERT_TRUE(PushBoxCox(part, 0.5));
  ASSERT_TRUE(PushDifference(part, 12));
  ASSERT_TRUE(PushDifference(part, 1));
  ASSERT_TRUE(PushSubtractMean(part));
  UnivariateProject full = BareProject(x);
  ASSERT_TRUE(PushBoxCox(full, 0.5));
  ASSERT_TRUE(PushDifference(full, 12));
  ASSERT_TRUE(PushDifference(full, 1));
  for (double& v : full.series) v -= part.transforms[3].mean;
  const std::vector<double> truth(full.series.end() - k, full.series.end());

  // Only "Invert Box-Cox" ticked: the mean and both differences follow.
  ForecastUndoFlags asked;
  asked.invertBoxCox = true;
  const ForecastUndoFlags flags = ImpliedInversions(asked, AvailableInversions(part));
  EXPECT_TRUE(flags.addMean && flags.undifference && flags.invertBoxCox);
  EXPECT_FALSE(flags.addTrendSeasonal || flags.includeRegression);
  const DataScaleForecast out = UndoForecastTransforms(part, flags, truth);
  ASSERT_EQ(out.data.size(), static_cast<size_t>(n - k));
  for (int t = 0; t < n - k; ++t) EXPECT_NEAR(out.data[t], x[t], 1e-9) << t;
  for (int h = 0; h < k; ++h) EXPECT_NEAR(out.forecasts[h], x[n - k + h], 1e-9) << h;
  EXPECT_EQ(out.firstIndex, 1);
  EXPECT_EQ(out.lastIndex, n - k);

  // Without the Box-Cox inversion the result stays on the Box-Cox scale.
  ForecastUndoFlags undiff;
  undiff.undifference = true;
  const DataScaleForecast boxcox =
      UndoForecastTransforms(part, ImpliedInversions(undiff, AvailableInversions(part)), truth);
  EXPECT_NEAR(boxcox.forecasts[0], BoxCox(x[n - k], 0.5), 1e-9);
}

TEST(ForecastUndo, SeasonalLogAndLagTwelveRules) {
  // Seasonal component of period 4 with n = 10: F(1) stands at t = 11 and carries s(3).
  UnivariateProject seasonal = BareProject(std::vector<double>(10, 0.0));
  TransformStep step;
  step.kind = kClassicalSeasonal;
  step.period = 4;
  step.seasonal = {1.0, 2.0, 3.0, 4.0};
  step.trendCoefficients = {0.5, 0.25, 0.0};
  seasonal.transforms.push_back(step);
  ForecastUndoFlags classical;
  classical.addTrendSeasonal = true;
  DataScaleForecast out = UndoForecastTransforms(seasonal, classical, {0.0, 0.0});
  EXPECT_DOUBLE_EQ(out.forecasts[0], 3.0 + 0.5 + 0.25 * 11);
  EXPECT_DOUBLE_EQ(out.forecasts[1], 4.0 + 0.5 + 0.25 * 12);
  EXPECT_DOUBLE_EQ(out.data[4], 1.0 + 0.5 + 0.25 * 5);

  // lambda = 0 inverts by exp; lambda F + 1 <= 0 gives 0.
  UnivariateProject logged = BareProject({0.0, 1.0});
  ASSERT_TRUE(PushBoxCox(logged, 0.0));
  ForecastUndoFlags invert;
  invert.invertBoxCox = true;
  out = UndoForecastTransforms(logged, invert, {1.0, -5.0});
  EXPECT_DOUBLE_EQ(out.forecasts[0], std::exp(1.0));
  EXPECT_DOUBLE_EQ(out.forecasts[1], std::exp(-5.0));
  UnivariateProject half = BareProject({1.0, 4.0});
  ASSERT_TRUE(PushBoxCox(half, 0.5));
  out = UndoForecastTransforms(half, invert, {-3.0, 2.0});
  EXPECT_EQ(out.forecasts[0], 0.0);
  EXPECT_DOUBLE_EQ(out.forecasts[1], 4.0);

  // Lag 12, H = 24: F(1..12) add the last 12 undifferenced values, F(13..24) add F(1..12).
  std::vector<double> base(30);
  for (int t = 0; t < 30; ++t) base[t] = t * t;
  UnivariateProject diff = BareProject(base);
  ASSERT_TRUE(PushDifference(diff, 12));
  ForecastUndoFlags undiff;
  undiff.undifference = true;
  out = UndoForecastTransforms(diff, undiff, std::vector<double>(24, 1.0));
  for (int h = 1; h <= 12; ++h) EXPECT_DOUBLE_EQ(out.forecasts[h - 1], base[30 - 12 + h - 1] + 1.0);
  for (int h = 13; h <= 24; ++h) EXPECT_DOUBLE_EQ(out.forecasts[h - 1], out.forecasts[h - 13] + 1.0);
  EXPECT_EQ(out.firstIndex, 1);
}

TEST(ArmaForecast, Ar1ClosedFormsVarianceRescalingAndLongHorizons) {
  std::vector<double> x = ReadDataFile("nile.txt");
  UnivariateProject project = BareProject(x);
  project.model = ModelOf({0.5}, {}, 2.0);
  project.forecastCount = 60;
  project.forecastWnVariance = 2.0;
  DataScaleForecast out;
  ASSERT_TRUE(ComputeArmaForecast(project, out));
  double mean = 0.0;
  for (double v : x) mean += v / x.size();
  const double last = x.back() - mean;
  for (int h = 1; h <= 20; ++h) {
    EXPECT_NEAR(project.armaForecasts[h - 1], std::pow(0.5, h) * last, 1e-9);
    EXPECT_NEAR(project.armaForecastMse[h - 1], 2.0 * (1 - std::pow(0.25, h)) / 0.75, 1e-9);
  }
  for (int h = 55; h <= 60; ++h) EXPECT_EQ(project.armaForecastMse[h - 1], project.armaForecastMse[53]);
  const std::vector<double> first = project.armaForecasts, firstMse = project.armaForecastMse;
  project.forecastWnVariance = 8.0;
  project.model.whiteNoiseVariance = 2.0;
  ASSERT_TRUE(ComputeArmaForecast(project, out));
  for (int h = 0; h < 60; ++h) {
    EXPECT_DOUBLE_EQ(project.armaForecasts[h], first[h]);
    EXPECT_NEAR(std::sqrt(project.armaForecastMse[h]), 2.0 * std::sqrt(firstMse[h]), 1e-9);
  }
}

// The 95% band of forecasts of the log series after differences at lags 12
// and 1 holds R's standard errors of the undifferenced log forecasts; undoing
// the logarithm maps its ends; with nothing to add back it is the report's
// prediction -+ 1.96 sqrt(MSE).
TEST(ArmaForecast, PredictionBandThroughDifferencesAndLogMatchesR) {
  const auto ref = ReadReferenceFile("forecast_band.json");
  const auto airline = ref["airline"], ar1 = ref["ar1_diff1"];
  auto project = [](std::vector<int> lags) {
    UnivariateProject p = BareProject(ReadDataFile("air_passengers.txt"));
    EXPECT_TRUE(PushBoxCox(p, 0.0));
    for (int lag : lags) EXPECT_TRUE(PushDifference(p, lag));
    return p;
  };
  struct Case {
    std::vector<int> lags;
    ArmaModel model;
    nlohmann::json ref;
  };
  std::vector<double> theta(13, 0.0);
  theta[0] = airline["ma1"].get<double>();
  theta[11] = airline["sma1"].get<double>();
  theta[12] = theta[0] * theta[11];
  for (const Case& c : {Case{{12, 1}, ModelOf({}, theta), airline},
                        Case{{1}, ModelOf({ar1["ar1"].get<double>()}, {}), ar1}}) {
    UnivariateProject logged = project(c.lags);
    logged.model = c.model;
    logged.model.innovTolerance = 1e-12;  // the seasonal MA part settles slowly
    const auto se = c.ref["se"].get<std::vector<double>>();
    logged.forecastCount = static_cast<int>(se.size());
    logged.forecastWnVariance = c.ref["sigma2"].get<double>();
    logged.forecastUndifference = true;
    DataScaleForecast onLogs;
    ASSERT_TRUE(ComputeArmaForecast(logged, onLogs));
    for (size_t h = 0; h < se.size(); ++h) {
      EXPECT_NEAR((onLogs.upper[h] - onLogs.lower[h]) / 2, 1.96 * se[h], 1e-5 * se[h]) << h;
      EXPECT_NEAR((onLogs.upper[h] + onLogs.lower[h]) / 2, onLogs.forecasts[h], 1e-12);
    }
    logged.forecastInvertBoxCox = true;
    DataScaleForecast data;
    ASSERT_TRUE(ComputeArmaForecast(logged, data));
    for (size_t h = 0; h < se.size(); ++h) {
      EXPECT_NEAR(data.lower[h], std::exp(onLogs.lower[h]), 1e-9 * data.lower[h]);
      EXPECT_NEAR(data.upper[h], std::exp(onLogs.upper[h]), 1e-9 * data.upper[h]);
      EXPECT_EQ(logged.armaForecastLower[h], data.lower[h]);
    }
  }

  // With only the mean to add back, the band is the report's prediction -+ 1.96 sqrt(MSE).
  UnivariateProject nile = BareProject(ReadDataFile("nile.txt"));
  ASSERT_TRUE(PushSubtractMean(nile));
  nile.model = NileArma11();
  nile.forecastCount = 5;
  nile.forecastWnVariance = 2 * nile.model.whiteNoiseVariance;
  nile.forecastAddMean = true;
  DataScaleForecast out;
  ASSERT_TRUE(ComputeArmaForecast(nile, out));
  const std::string report = ArmaForecastReportText(nile, "ARMA Forecast: nile");
  EXPECT_NE(report.find("           Step     Prediction      sqrt(MSE)          Lower          Upper\r\n"),
            std::string::npos);
  for (int h = 0; h < 5; ++h) {
    const double half = 1.96 * std::sqrt(nile.armaForecastMse[h]);
    EXPECT_NEAR(nile.armaForecastLower[h], nile.armaForecasts[h] - half, 1e-9);
    char row[128];
    std::snprintf(row, sizeof row, "%15d%15.5f%15.5f%15.5f%15.5f\r\n", h + 1, nile.armaForecasts[h],
                  std::sqrt(nile.armaForecastMse[h]), nile.armaForecastLower[h], nile.armaForecastUpper[h]);
    EXPECT_NE(report.find(row), std::string::npos) << row;
  }
}

TEST(ArmaForecast, NonInvertibleModelsForecastThroughTheirInvertibleEquivalent) {
  UnivariateProject inverted = BareProject(ReadDataFile("nile.txt"));
  inverted.model = ModelOf({}, {2.0}, 4.0);
  inverted.forecastCount = 3;
  inverted.forecastWnVariance = 1.0;
  UnivariateProject invertible = BareProject(ReadDataFile("nile.txt"));
  invertible.model = ModelOf({}, {0.5}, 1.0);
  invertible.forecastCount = 3;
  invertible.forecastWnVariance = 1.0;
  DataScaleForecast a, b;
  ASSERT_TRUE(ComputeArmaForecast(inverted, a));
  ASSERT_TRUE(ComputeArmaForecast(invertible, b));
  EXPECT_EQ(inverted.model.theta[0], 2.0);  // the user's model is kept
  for (int h = 0; h < 3; ++h) EXPECT_NEAR(a.forecasts[h], b.forecasts[h], 1e-3) << h;
  // Beyond q the predictor is 0 for a pure MA model.
  EXPECT_EQ(b.forecasts[1], 0.0);
}

TEST(ArmaForecast, FractionalPredictorOfWhiteNoiseIsZeroAndMseGrowsWithPsi) {
  ArmaModel model = ModelOf({}, {}, 1.0);
  model.fractional = true;
  model.fractionalD = 0.3;
  std::vector<double> x = testing::MeanCorrected(ReadDataFile("nile.txt"));
  std::vector<double> f, mse;
  ASSERT_TRUE(FractionalForecast(x, model, 5, f, mse));
  // psi(1) = 1, psi(2) = d: MSE(1) = 1, MSE(2) = 1 + d^2.
  EXPECT_NEAR(mse[0], 1.0, 1e-12);
  EXPECT_NEAR(mse[1], 1.0 + 0.09, 1e-12);
  // Long memory: the one-step predictor leans on the recent past.
  EXPECT_GT(f[0] * x.back(), 0.0);
  EXPECT_LT(std::abs(f[4]), std::abs(f[0]) + 1e-12);
}

using Recorder = testing::RecordingObserver;

UserEvent Set(int id, std::string text) {
  UserEvent e{EventType::SetText};
  e.control = ControlRef{id, ""};
  e.text = std::move(text);
  return e;
}
UserEvent Click(int id) {
  UserEvent e{EventType::Click};
  e.control = ControlRef{id, ""};
  return e;
}
UserEvent Answer() { return UserEvent{EventType::Ok}; }

TEST(ArmaForecastDialog, ValidatesInOrderAndCancelKeepsEverything) {
  platform::EventQueue queue;
  Recorder recorder;
  platform::Platform ui{queue, recorder};
  auto project = NewUnivariateProject(ui, 1);
  for (const UserEvent& e : {Set(kForecastCountField, "0"), Click(1), Answer(),  // H < 1
                             Set(kForecastCountField, "5"), Set(kForecastVarianceField, "-1"), Click(1),
                             Answer(), Set(kForecastVarianceField, "3"), Click(1),  // accepted
                             Click(2)})                                             // second command: Cancel
    queue.Push(e);
  queue.Close();
  SetData(ui, *project, ReadDataFile("nile.txt"));
  project->model = ModelOf({0.5}, {}, 3.0);
  project->forecastCount = 0;  // shown as 10
  ASSERT_TRUE(ArmaForecast(ui, *project, false));
  ASSERT_EQ(recorder.shown.size(), 2u);
  EXPECT_EQ(recorder.shown[0].caption, "Error");
  EXPECT_EQ(recorder.shown[0].text, " Number of predictors must be larger than 0");
  EXPECT_EQ(recorder.shown[1].caption, "ERROR");
  EXPECT_EQ(recorder.shown[1].text, " WN Variance must be postive");
  EXPECT_EQ(project->forecastCount, 5);
  EXPECT_EQ(project->forecastWnVariance, 3.0);
  EXPECT_EQ(project->armaForecasts.size(), 5u);
  EXPECT_FALSE(Recorder::ControlIn(recorder.opened, kForecastBoxCoxBox).at(0).enabled);  // no Box-Cox step
  EXPECT_TRUE(PlotOpen(ui, *project, kArmaForecastPlot));
  EXPECT_EQ(ui.Title(project->plots[kArmaForecastPlot].window),
            "ARMA Forecast: " + ProjectName(ui, *project));
  const std::vector<double> before = project->armaForecasts;
  EXPECT_FALSE(ArmaForecast(ui, *project, false));  // Cancel
  EXPECT_EQ(project->armaForecasts, before);

  // The open window follows a model change, with the stored settings.
  project->model = ModelOf({0.9}, {}, 3.0);
  RefreshViews(ui, *project, false, true);
  EXPECT_EQ(project->armaForecasts.size(), 5u);
  EXPECT_NE(project->armaForecasts[0], before[0]);
  const PlotWindow& plot = project->plots[kArmaForecastPlot];
  EXPECT_EQ(plot.curves[1].xValues.front(), 101.0);
  EXPECT_EQ(plot.curves[1].xValues.back(), 105.0);

  const std::string report = ArmaForecastReportText(*project, "T");
  EXPECT_EQ(report.substr(0, report.find("\r\n")), "INFO: T");
  EXPECT_NE(report.find("sqrt(MSE)          Lower          Upper\r\n              1"), std::string::npos);
  // The band is drawn about the forecasts, in their colour.
  EXPECT_EQ(plot.curves[3].curveKind, kCurveBand);
  EXPECT_EQ(plot.curves[3].xValues, plot.curves[1].xValues);
}

}  // namespace
}  // namespace kora
