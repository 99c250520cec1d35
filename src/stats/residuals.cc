#include "stats/residuals.h"

#include <algorithm>
#include <cmath>

#include "arma/likelihood.h"
#include "arma/model_acvf.h"

namespace kora {

namespace {

double MeanSquaredDeviation(const std::vector<double>& w) {
  if (w.empty()) return 0.0;
  double mean = 0.0;
  for (double v : w) mean += v;
  mean /= static_cast<double>(w.size());
  double sum = 0.0;
  for (double v : w) sum += (v - mean) * (v - mean);
  return sum / static_cast<double>(w.size());
}

// Fractional model: the residuals from the model ACF over n lags (the model
// ACF arrays of the project follow, as for the ACF window).
bool FractionalResiduals(UnivariateProject& project) {
  const int n = project.count();
  if (project.modelAcfLags < n) project.modelAcfLags = n;
  ModelAcfResult acf = ModelAcfPacf(project.model, project.modelAcfLags);
  if (acf.status != 0 || !(acf.gamma0 > 0)) return false;
  project.residuals = DurbinLevinsonResiduals(project.series, acf.acf, acf.gamma0);
  project.modelAcf = std::move(acf.acf);
  project.modelPacf = std::move(acf.pacf);
  project.model.modelGamma0 = acf.gamma0;
  project.model.whiteNoiseVariance = MeanSquaredDeviation(project.residuals);
  return true;
}

}  // namespace

std::vector<double> DurbinLevinsonResiduals(const std::vector<double>& x, const std::vector<double>& rho,
                                            double gamma0) {
  const int n = static_cast<int>(x.size());
  std::vector<double> w(n, 0.0), phi(n, 0.0), previous(n, 0.0);  // phi(t, 1..t)
  if (n == 0) return w;
  double v = gamma0;
  w[0] = x[0] / std::sqrt(v);
  for (int t = 1; t < n; ++t) {
    // Extend the predictor to order t on rho (the ACF in units of gamma0).
    double numerator = rho[t];
    for (int j = 1; j < t; ++j) numerator -= previous[j] * rho[t - j];
    const double kk = numerator / (v / gamma0);
    phi[t] = kk;
    for (int j = 1; j < t; ++j) phi[j] = previous[j] - kk * previous[t - j];
    v *= 1.0 - kk * kk;
    std::swap(phi, previous);
    if (!(v > 0)) break;  // perfectly predictable: the remaining residuals stay 0
    double prediction = 0.0;
    for (int j = 1; j <= t; ++j) prediction += previous[j] * x[t - j];
    w[t] = (x[t] - prediction) / std::sqrt(v);
  }
  return w;
}

void ModelResiduals(UnivariateProject& project) {
  ArmaModel& model = project.model;
  if (!project.HasData()) {
    project.residuals.clear();
    return;
  }
  const double sigma2 = model.whiteNoiseVariance;
  const int evaluations = model.functionEvaluations;
  model.storeResiduals = true;
  bool done;
  if (model.fractional) {
    done = FractionalResiduals(project);
  } else {
    done = ArmaLikelihood(project, kMaximumLikelihood) == 0;
  }
  if (done) {
    model.residualSsOverN = model.whiteNoiseVariance;
  } else {
    project.residuals.clear();
  }
  model.whiteNoiseVariance = sigma2;
  model.functionEvaluations = evaluations;
  model.storeResiduals = false;
}

}  // namespace kora
