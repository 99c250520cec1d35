#include "forecast/arma_forecast.h"

#include <cmath>
#include <cstdio>

#include "arma/likelihood.h"
#include "arma/model_acvf.h"
#include "forecast/prediction_band.h"

namespace kora {

namespace {

std::string Column(double value) {
  // A band end beyond any number (an MSE that overflowed) shows asterisks.
  if (!std::isfinite(value)) return std::string(15, '*');
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%15.5f", value);
  return buffer;
}

// Replaces a non-invertible MA part by its invertible equivalent; returns
// whether theta changed.
bool UseInvertibleEquivalent(UnivariateProject& project) {
  ArmaModel& model = project.model;
  if (model.maOrder == 0 || IsInvertible(model)) return false;
  const InnovationsCoefficientsResult converged = InnovationsCoefficients(project);
  if (converged.status != 0) return false;
  for (int j = 0; j < model.maOrder && j < static_cast<int>(converged.theta.size()); ++j)
    model.theta[j] = converged.theta[j];
  return true;
}

}  // namespace

ForecastUndoFlags StoredForecastFlags(const UnivariateProject& project) {
  ForecastUndoFlags flags;
  flags.includeRegression = project.forecastIncludeRegression;
  flags.addMean = project.forecastAddMean;
  flags.undifference = project.forecastUndifference;
  flags.addTrendSeasonal = project.forecastAddTrendSeasonal;
  flags.invertBoxCox = project.forecastInvertBoxCox;
  return flags;
}

void StoreForecastFlags(UnivariateProject& project, const ForecastUndoFlags& flags) {
  project.forecastIncludeRegression = flags.includeRegression;
  project.forecastAddMean = flags.addMean;
  project.forecastUndifference = flags.undifference;
  project.forecastAddTrendSeasonal = flags.addTrendSeasonal;
  project.forecastInvertBoxCox = flags.invertBoxCox;
}

bool FractionalForecast(const std::vector<double>& x, const ArmaModel& model, int horizon,
                        std::vector<double>& forecasts, std::vector<double>& mse) {
  const int n = static_cast<int>(x.size());
  const int total = n + horizon;
  const ModelAcfResult acf = ModelAcfPacf(model, total - 1);
  if (acf.status != 0 || static_cast<int>(acf.acf.size()) < total) return false;
  std::vector<double> gamma(total);
  for (int k = 0; k < total; ++k) gamma[k] = acf.acf[k] * acf.gamma0;
  if (!(gamma[0] > 0.0)) return false;
  // Durbin-Levinson, one row at a time; rows k >= n extend u by one predictor.
  std::vector<double> u(x), row, next;
  u.resize(total, 0.0);
  double v = gamma[0];
  for (int k = 1; k < total; ++k) {
    double num = gamma[k];
    for (int j = 1; j < k; ++j) num -= row[j - 1] * gamma[k - j];
    const double pkk = num / v;
    next.assign(k, 0.0);
    for (int j = 1; j < k; ++j) next[j - 1] = row[j - 1] - pkk * row[k - j - 1];
    next[k - 1] = pkk;
    row.swap(next);
    v *= 1.0 - pkk * pkk;
    if (k >= n) {
      double sum = 0.0;
      for (int j = 1; j <= k; ++j) sum += row[j - 1] * u[k - j];
      u[k] = sum;
    }
  }
  forecasts.assign(u.begin() + n, u.end());
  mse = WeightsMse(ArMaInfinityWeights(model, horizon).psi, model.whiteNoiseVariance, horizon);
  return true;
}

bool ComputeArmaForecast(UnivariateProject& project, DataScaleForecast& out) {
  const int horizon = std::max(project.forecastCount, 1);
  if (!project.HasData()) return false;
  ArmaModel& model = project.model;
  const std::array<double, kMaxCoefficients> userTheta = model.theta;
  const ForecastUndoFlags flags = ImpliedInversions(StoredForecastFlags(project), AvailableInversions(project));
  const std::vector<int> lags = UndoneDifferenceLags(project, flags);
  // mse: the working series' errors (the report's column); bandMse: those of
  // the forecasts the band surrounds, the undifferenced ones when differences
  // are added back.
  std::vector<double> forecasts, mse, bandMse;
  if (model.fractional) {
    if (!FractionalForecast(WorkingSeries(project), model, horizon, forecasts, mse)) return false;
    bandMse = lags.empty() ? mse
                           : WeightsMse(IntegratedWeights(ArMaInfinityWeights(model, horizon).psi, lags, horizon),
                                        model.whiteNoiseVariance, horizon);
  } else {
    const bool replaced = UseInvertibleEquivalent(project);
    LikelihoodOutcome outcome = ArmaLikelihood(WorkingSeries(project), model, horizon);
    const double sigma2 = model.whiteNoiseVariance;
    if (outcome.status == 0 && model.storeResiduals) project.residuals = std::move(outcome.residuals);
    if (replaced) {
      model.theta = userTheta;
      ArmaLikelihood(project, kMaximumLikelihood);
    }
    if (outcome.status != 0) return false;
    forecasts = std::move(outcome.forecasts);
    mse = std::move(outcome.forecastMse);
    bandMse = lags.empty() ? mse
                           : PredictorMse(IntegratedAr(outcome.forecastAr, lags), outcome.forecastTheta,
                                          outcome.forecastR, sigma2, horizon);
  }
  StoreForecastFlags(project, flags);
  const double ratio = model.whiteNoiseVariance > 0.0 ? project.forecastWnVariance / model.whiteNoiseVariance : 1.0;
  for (std::vector<double>* values : {&mse, &bandMse})
    for (double& value : *values) value *= ratio;
  const std::vector<double> halfWidths = BandHalfWidths(bandMse);
  out = UndoForecastTransforms(project, flags, std::move(forecasts), &halfWidths);
  project.armaForecasts = out.forecasts;
  project.armaForecastMse = std::move(mse);
  project.armaForecastLower = out.lower;
  project.armaForecastUpper = out.upper;
  return true;
}

std::string ArmaForecastReportText(const UnivariateProject& project, const std::string& windowTitle) {
  std::string text;
  auto line = [&text](const std::string& s) { text += s + "\r\n"; };
  line("INFO: " + windowTitle);
  line("");
  line(std::string(20, '='));
  line("KORA::(ARMA Forecast)");
  line(std::string(20, '='));
  line("   ");
  // The ends of the 95% prediction band follow the three columns of the forecasts.
  line("           Step     Prediction      sqrt(MSE)          Lower          Upper");
  const size_t count = std::min({project.armaForecasts.size(), project.armaForecastMse.size(),
                                 project.armaForecastLower.size(), project.armaForecastUpper.size()});
  for (size_t h = 1; h <= count; ++h) {
    char step[32];
    std::snprintf(step, sizeof step, "%15d", static_cast<int>(h));
    line(step + Column(project.armaForecasts[h - 1]) + Column(std::sqrt(project.armaForecastMse[h - 1])) +
         Column(project.armaForecastLower[h - 1]) + Column(project.armaForecastUpper[h - 1]));
  }
  line("   ");
  return text;
}

}  // namespace kora
