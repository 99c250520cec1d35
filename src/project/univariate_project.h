// The record of one univariate project: its series, transformation list,
// model, trend, derived results and the windows that show them. The record
// owns all of it; analysis commands work on it in place.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "arma/arma_model.h"
#include "arma/estimation_settings.h"
#include "forecast/arar_settings.h"
#include "forecast/holt_winters_settings.h"
#include "plot/plot_window.h"
#include "regression/regression_trend.h"
#include "stats/data_summary.h"
#include "transform/transform_step.h"

namespace kora {

// Slots of the per-project plot windows, in record order.
enum PlotSlot : int {
  kMainPlot = 0,
  kAcfPlot,
  kSpectrumPlot,
  kCumulativeSpectrumPlot,
  kHistogramPlot,
  kClassicalFitPlot,
  kRegressionFitPlot,
  kArmaForecastPlot,
  kArarForecastPlot,
  kHoltWintersPlot,
  kSeasonalHoltWintersPlot,
  kExponentialSmoothingPlot,
  kFftSmoothingPlot,
  kMovingAverageSmoothingPlot,
  kResidualPlot,
  kResidualAcfPlot,
  kResidualHistogramPlot,
  kPlotSlotCount
};

// Report windows that stand alone, without a plot.
enum ReportSlot : int {
  kTestsOfRandomnessReport = 0,
  kPreliminaryReport,
  kMaxLikelihoodReport,
  kRegressionReport,
  kArmaInfinityReport,
  kAutofitReport,
  kReportSlotCount
};

// Bits of the ACF/PACF display flags.
enum AcfFlags : int { kAcfSample = 1, kAcfModel = 2, kAcfPanel = 8, kPacfPanel = 16 };

struct UnivariateProject {
  bool inUse = false;

  ArmaModel model;
  std::vector<double> modelAcf, modelPacf;
  std::vector<double> residuals;
  std::vector<double> residualAcf, residualPacf;
  // ARMA likelihood outputs: forecasts of the working series and their MSE.
  std::vector<double> armaForecasts, armaForecastMse;
  // The 95% prediction band of the forecasts, in the units of armaForecasts.
  std::vector<double> armaForecastLower, armaForecastUpper;
  // ARMA forecasting settings (the defaults of the next forecast).
  int forecastCount = 10;
  bool forecastAddMean = false;
  bool forecastAddTrendSeasonal = false;
  bool forecastUndifference = false;
  bool forecastInvertBoxCox = false;
  bool forecastIncludeRegression = false;
  double forecastWnVariance = 1.0;
  // Holt-Winters, seasonal Holt-Winters and ARAR forecasting: settings and results.
  HoltWintersSettings holtWinters;
  HoltWintersSettings seasonalHoltWinters;
  ArarSettings arar;
  // Preliminary estimation (method, ACVF count, the method's own variance).
  PreliminarySettings preliminary;
  int residualAcfLags = 40;
  int modelAcfLags = 40;
  int iterationCount = 0;

  RegressionTrend trend;

  // The current (transformed) series; empty means the project holds no data.
  std::vector<double> series;
  std::vector<double> untransformedSeries;
  int firstIndex = 0;
  int lastIndex = 0;
  // The data summary of `series`, kept until the series changes (the main
  // plot's report reads it on every refresh, a model change included).
  mutable DataSummaryCache dataSummary;
  std::vector<double> sampleAcf, samplePacf;  // lags 0..L
  double sampleVariance = 1.0;
  int sampleAcfLags = 40;
  int histogramBins = 10;

  // Smoothing settings
  double exponentialAlpha = -1.0;
  double fftCutoff = 0.5;
  int movingAverageOrder = 0;

  // Spectrum settings
  bool showPeriodogram = false;
  bool showModelSpectrum = false;
  bool logSpectrum = false;
  bool showSmoothed = false;
  int modelSpectrumResolution = 1024;
  std::vector<double> periodogram;

  // Spectrum results (periodogram I(1..m) above; model f(0..M); smoothed S(0..m))
  std::vector<double> modelSpectrum;
  std::vector<double> smoothedPeriodogram;
  std::vector<double> cumulativePeriodogram;    // C_I(1..q)
  std::vector<double> cumulativeModelSpectrum;  // C_f(0..M)
  double fisherRatio = 0.0;
  double fisherProbability = 0.0;
  int daniellFilterCount = 0;
  std::array<int, 50> daniellOrders{};
  std::vector<double> daniellWeights;  // W(0..h)

  // Smoothing results
  std::vector<double> exponentialSmoothed;
  std::vector<double> fftSmoothed;
  std::vector<double> movingAverageSmoothed;
  std::vector<double> movingAverageWeights;  // theta(0..q), normalised
  double exponentialMse = 1.0;
  double fftMse = 1.0;
  double movingAverageMse = 1.0;

  std::array<PlotWindow, kPlotSlotCount> plots;
  std::array<WindowId, kReportSlotCount> reports{};
  int acfDisplayFlags = kAcfPanel | kPacfPanel;
  int residualAcfDisplayFlags = kAcfPanel | kPacfPanel;

  std::string transformSummary;
  std::vector<TransformStep> transforms;  // oldest first; back() is the newest step

  std::string projectFile;
  bool hasProjectFile = false;
  // ProjectFingerprint when last saved or opened from a project file; none before.
  std::optional<uint64_t> savedFingerprint;

  int count() const { return static_cast<int>(series.size()); }
  bool HasData() const { return !series.empty(); }
};

}  // namespace kora
