#include "forecast/arma_forecast.h"

#include <cmath>
#include <cstdio>

#include "arma/likelihood.h"
#include "arma/model_acvf.h"

namespace kora {

namespace {

std::string Column(double value) {
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
  const InfinityWeights weights = ArMaInfinityWeights(model, horizon);
  mse.assign(horizon, 0.0);
  double sum = 0.0;
  for (int h = 1; h <= horizon; ++h) {
    const double psi = h - 1 < static_cast<int>(weights.psi.size()) ? weights.psi[h - 1] : 0.0;
    sum += psi * psi;
    mse[h - 1] = model.whiteNoiseVariance * sum;
  }
  return true;
}

bool ComputeArmaForecast(UnivariateProject& project, DataScaleForecast& out) {
  const int horizon = std::max(project.forecastCount, 1);
  if (!project.HasData()) return false;
  ArmaModel& model = project.model;
  const std::array<double, kMaxCoefficients> userTheta = model.theta;
  std::vector<double> forecasts, mse;
  if (model.fractional) {
    if (!FractionalForecast(WorkingSeries(project), model, horizon, forecasts, mse)) return false;
  } else {
    const bool replaced = UseInvertibleEquivalent(project);
    const int status = ArmaLikelihood(project, horizon);
    if (replaced) {
      model.theta = userTheta;
      ArmaLikelihood(project, kMaximumLikelihood);
    }
    if (status != 0) return false;
    forecasts = project.armaForecasts;
    mse = project.armaForecastMse;
  }
  const ForecastUndoFlags flags = ImpliedInversions(StoredForecastFlags(project), AvailableInversions(project));
  StoreForecastFlags(project, flags);
  out = UndoForecastTransforms(project, flags, std::move(forecasts));
  const double ratio = model.whiteNoiseVariance > 0.0 ? project.forecastWnVariance / model.whiteNoiseVariance : 1.0;
  for (double& value : mse) value *= ratio;
  project.armaForecasts = out.forecasts;
  project.armaForecastMse = std::move(mse);
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
  line("           Step     Prediction      sqrt(MSE)");
  const size_t count = std::min(project.armaForecasts.size(), project.armaForecastMse.size());
  for (size_t h = 1; h <= count; ++h) {
    char step[32];
    std::snprintf(step, sizeof step, "%15d", static_cast<int>(h));
    line(step + Column(project.armaForecasts[h - 1]) + Column(std::sqrt(project.armaForecastMse[h - 1])));
  }
  line("   ");
  return text;
}

}  // namespace kora
