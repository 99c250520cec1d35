#include "batch/fit_series.h"

#include <algorithm>
#include <cmath>

#include "arma/likelihood.h"
#include "arma/max_likelihood.h"
#include "arma/preliminary_estimation.h"
#include "forecast/arar.h"
#include "forecast/arma_forecast.h"
#include "forecast/holt_winters.h"
#include "report/number_format.h"
#include "report/number_parse.h"
#include "stats/residuals.h"
#include "transform/transform_ops.h"

namespace kora {
namespace {

std::string TooShort(int n, int needed, const char* what) {
  return "series too short: " + std::to_string(n) + " values, " + what + " needs at least " +
         std::to_string(needed);
}

// Box-Cox, the differences and the mean correction, as Transform's commands push them.
std::string Transform(const Recipe& recipe, UnivariateProject& project) {
  if (recipe.boxCoxLambda) {
    if (std::any_of(project.series.begin(), project.series.end(), [](double x) { return !(x > 0.0); }))
      return "Box-Cox needs positive values";
    PushBoxCox(project, *recipe.boxCoxLambda);
  }
  for (int lag : recipe.differences)
    if (!PushDifference(project, lag))
      return TooShort(project.count(), lag + 1, ("a difference at lag " + std::to_string(lag)).c_str());
  if (recipe.meanCorrection) PushSubtractMean(project);
  return "";
}

// Preliminary estimation (Hannan-Rissanen with an MA part, else Burg), then
// maximum likelihood with the dialog's defaults, as Model > Estimation does.
std::string FitArma(const Recipe& recipe, UnivariateProject& project, SeriesFit& fit) {
  const int needed = recipe.p + recipe.q + 2;
  if (project.count() < needed)
    return TooShort(project.count(), needed, "this ARMA model after its transformations");
  const PreliminaryRequest request{recipe.p, recipe.q, recipe.q > 0 ? kHannanRissanen : kBurg, 0};
  const PreliminaryEstimate preliminary = EstimatePreliminary(WorkingSeries(project), request);
  if (preliminary.outcome == PreliminaryOutcome::kFailed) return kPreliminaryFailedText;
  StorePreliminaryEstimate(preliminary, project);
  ArmaModel& model = project.model;
  model.storeResiduals = false;
  model.iterationLimit = 50;
  model.estimationMode = kMaximumLikelihood;
  model.accuracy = ReadFirstNumber(FormatFixed(DefaultAccuracy(model), 5)).value_or(1.0e-3);
  model.innovTolerance = 5.0e-5;
  const MlEstimate estimate = EstimateMaxLikelihood(WorkingSeries(project), model, MlOptionsOf(model));
  StoreMlEstimate(estimate, model);
  if (estimate.outcome == MlOutcome::kNonCausal) return "maximum likelihood gave a non-causal model";
  fit.coefficients = CombinedCoefficients(model);
  fit.coefficients.resize(recipe.p + recipe.q);
  fit.sigma2 = model.whiteNoiseVariance;
  fit.aicc = model.aicc;

  ModelResiduals(project);
  const int n = static_cast<int>(project.residuals.size());
  const int h = AutomaticH(model.freeParamCount, n);
  if (n > 0 && h >= model.freeParamCount) fit.tests = RandomnessTestStats(project.residuals, h);

  project.forecastCount = recipe.horizon;
  project.forecastWnVariance = model.whiteNoiseVariance;
  project.forecastAddMean = project.forecastUndifference = project.forecastInvertBoxCox = true;
  DataScaleForecast forecast;
  if (!ComputeArmaForecast(project, forecast)) return "the fitted model cannot forecast this series";
  fit.forecasts = std::move(forecast.forecasts);
  fit.lower = std::move(forecast.lower);
  fit.upper = std::move(forecast.upper);
  return "";
}

// Forecasting > Holt-Winters (or Seasonal) on the whole series with optimised coefficients.
std::string FitHoltWinters(const Recipe& recipe, const std::vector<double>& y, SeriesFit& fit) {
  const int period = recipe.model == BatchModel::kSeasonalHoltWinters ? recipe.period : 0;
  const int n = static_cast<int>(y.size());
  if (!HoltWintersSubsetFits(n, period)) return TooShort(n, period > 0 ? period + 1 : 2, "Holt-Winters");
  HoltWintersSettings settings;
  settings.hwPeriod = period;
  settings.hwOptimize = true;
  settings.hwFirst = 1;
  settings.hwLast = n;
  settings.hwCount = recipe.horizon;
  HoltWintersRun(settings, y, recipe.horizon);
  fit.coefficients = {settings.hwAlpha, settings.hwBeta};
  if (period > 0) fit.coefficients.push_back(settings.hwGamma);
  fit.sigma2 = settings.hwRmse * settings.hwRmse;
  fit.forecasts.assign(settings.hwForecast.begin() + n, settings.hwForecast.begin() + settings.hwForecastEnd);
  return "";
}

// Forecasting > ARAR on the whole series with the default method.
std::string FitArar(const Recipe& recipe, const std::vector<double>& y, SeriesFit& fit) {
  const int n = static_cast<int>(y.size());
  if (n < kArarMinObservations) return TooShort(n, kArarMinObservations, "ARAR");
  ArarSettings settings;
  settings.ararFirst = 1;
  settings.ararLast = n;
  settings.ararCount = recipe.horizon;
  ArarRun(settings, y, recipe.horizon);
  for (int lag : settings.subsetLag) fit.coefficients.push_back(lag);
  fit.coefficients.insert(fit.coefficients.end(), settings.subsetCoef.begin(), settings.subsetCoef.end());
  fit.coefficients.push_back(settings.ararMean);
  fit.sigma2 = settings.ararRmse * settings.ararRmse;
  fit.forecasts.assign(settings.ararForecast.begin() + n, settings.ararForecast.begin() + n + recipe.horizon);
  return "";
}

}  // namespace

SeriesFit FitSeries(const Recipe& recipe, const std::vector<double>& values) {
  SeriesFit fit;
  if (values.empty()) {
    fit.error = "no values";
    return fit;
  }
  if (recipe.model == BatchModel::kHoltWinters || recipe.model == BatchModel::kSeasonalHoltWinters) {
    fit.error = FitHoltWinters(recipe, values, fit);
  } else if (recipe.model == BatchModel::kArar) {
    fit.error = FitArar(recipe, values, fit);
  } else {
    UnivariateProject project;
    project.inUse = true;
    project.series = values;
    project.untransformedSeries = values;
    project.firstIndex = 1;
    project.lastIndex = static_cast<int>(values.size());
    fit.error = Transform(recipe, project);
    if (fit.error.empty()) fit.error = FitArma(recipe, project, fit);
  }
  if (!fit.error.empty()) {
    const std::string error = std::move(fit.error);
    fit = SeriesFit{};
    fit.error = error;
  }
  return fit;
}

}  // namespace kora
