#include "arma/preliminary_estimation.h"

#include <algorithm>
#include <cmath>

#include "arma/likelihood.h"
#include "arma/preliminary_estimators.h"

namespace kora {

namespace {

const double kLogTwoPi = std::log(6.28318);
constexpr double kNonCausalValue = 0.001;

PreliminaryFit Fit(const std::vector<double>& x, const PreliminaryRequest& request, int acvfCount) {
  switch (request.method) {
    case kYuleWalkerMinAicc:
    case kYuleWalker:
      return YuleWalkerFit(x, request.p);
    case kBurgMinAicc:
    case kBurg:
      return BurgFit(x, request.p);
    case kInnovations:
      return InnovationsFit(x, request.p, request.q, acvfCount);
    case kHannanRissanen:
      return HannanRissanenFit(x, request.p, request.q);
    default:
      return {};
  }
}

// A model with the given coefficients, every one free, no relations.
void SetFittedModel(ArmaModel& model, const std::vector<double>& phi, const std::vector<double>& theta) {
  const int p = static_cast<int>(phi.size()), q = static_cast<int>(theta.size());
  model.arOrder = p;
  model.maOrder = q;
  model.phi.fill(0.0);
  model.theta.fill(0.0);
  std::copy(phi.begin(), phi.end(), model.phi.begin());
  std::copy(theta.begin(), theta.end(), model.theta.begin());
  model.freeParamCount = p + q;
  model.freeParamList.fill(0);
  for (int i = 0; i < p + q; ++i) model.freeParamList[i] = i + 1;
  model.multRelationCount = 0;
}

// AICC of a model in maximum-likelihood mode; false when it is not causal.
bool FittedAicc(const std::vector<double>& x, ArmaModel model, double& aicc) {
  if (ArmaLikelihood(x, model, kMaximumLikelihood).status != 0) return false;
  const int n = static_cast<int>(x.size()), k = model.arOrder + model.maOrder;
  const double m2 = n * (model.reducedLikelihood + kLogTwoPi + 1.0);
  aicc = m2 + 2.0 * (k + 1) / (1.0 - (k + 2.0) / n);
  return std::isfinite(aicc);
}

double WhiteNoiseAicc(const std::vector<double>& x) {
  const int n = static_cast<int>(x.size());
  double s = 0.0;
  for (double v : x) s += v * v;
  const double m2 = n * (std::log(s / n) + kLogTwoPi + 1.0);
  return m2 + 2.0 * n / (n - 2.0);
}

}  // namespace

int MinimumAiccOrder(const std::vector<double>& x, int method) {
  const int n = static_cast<int>(x.size());
  double best = WhiteNoiseAicc(x);
  int bestOrder = 0;
  ArmaModel model;
  for (int p = 1; p <= std::min(n - 3, 26); ++p) {
    const PreliminaryFit fit = method == kBurgMinAicc ? BurgFit(x, p) : YuleWalkerFit(x, p);
    if (!fit.ok) continue;
    SetFittedModel(model, fit.phi, {});
    double aicc = 0.0;
    if (FittedAicc(x, model, aicc) && aicc < best) {
      best = aicc;
      bestOrder = p;
    }
  }
  return bestOrder;
}

PreliminaryEstimate EstimatePreliminary(const std::vector<double>& x, const PreliminaryRequest& input) {
  PreliminaryEstimate estimate;
  const int n = static_cast<int>(x.size());
  PreliminaryRequest request = input;
  const bool search = request.method == kYuleWalkerMinAicc || request.method == kBurgMinAicc;
  double sumSquares = 0.0;
  for (double v : x) sumSquares += v * v;
  if (n < 3 || !(sumSquares > 0.0) || !std::isfinite(sumSquares)) return estimate;
  if (search) {
    request.q = 0;
    request.p = MinimumAiccOrder(x, request.method);
  }
  const int acvfCount = InnovationsAcvfCount(request.acvfEntered, request.p, request.q, n);
  PreliminaryFit fit;
  if (request.p + request.q == 0) {
    fit.ok = search;  // white noise chosen by the order search
    fit.methodWnVariance = sumSquares / n;
  } else {
    fit = Fit(x, request, acvfCount);
  }
  if (!fit.ok) return estimate;

  ArmaModel model;
  SetFittedModel(model, fit.phi, fit.theta);
  bool nonCausal = false;
  if (ArmaLikelihood(x, model, kMaximumLikelihood).status != 0) {
    nonCausal = true;
    std::vector<double> phi(request.p, kNonCausalValue), theta(request.q, kNonCausalValue);
    SetFittedModel(model, phi, theta);
    if (ArmaLikelihood(x, model, kMaximumLikelihood).status != 0) return estimate;
  }
  model.residualSsOverN = model.whiteNoiseVariance;
  StoreLikelihoodSummaries(x, model);
  if (!std::isfinite(model.minus2LogLikelihood) || !std::isfinite(model.aicc)) return estimate;

  estimate.outcome = nonCausal ? PreliminaryOutcome::kNonCausal : PreliminaryOutcome::kDone;
  estimate.phi.assign(model.phi.begin(), model.phi.begin() + model.arOrder);
  estimate.theta.assign(model.theta.begin(), model.theta.begin() + model.maOrder);
  estimate.sigma2 = model.whiteNoiseVariance;
  estimate.reducedLikelihood = model.reducedLikelihood;
  estimate.minus2LogLikelihood = model.minus2LogLikelihood;
  estimate.aicc = model.aicc;
  estimate.bic = model.bic;
  estimate.fpe = model.fpe;
  if (!nonCausal) estimate.ratios = fit.ratios;
  estimate.settings.prelimMethod = input.method;
  estimate.settings.acvfCount = acvfCount;
  estimate.settings.methodWnVariance = fit.methodWnVariance;
  estimate.settings.ratiosAvailable = !estimate.ratios.empty();
  return estimate;
}

void StorePreliminaryEstimate(const PreliminaryEstimate& estimate, UnivariateProject& project) {
  ArmaModel& model = project.model;
  SetFittedModel(model, estimate.phi, estimate.theta);
  model.innovTolerance = 1.0e-4;
  model.estimationMode = kMaximumLikelihood;
  model.whiteNoiseVariance = model.residualSsOverN = estimate.sigma2;
  model.reducedLikelihood = model.objective = estimate.reducedLikelihood;
  model.minus2LogLikelihood = estimate.minus2LogLikelihood;
  model.previousAicc = model.aicc;
  model.aicc = estimate.aicc;
  model.bic = estimate.bic;
  model.fpe = estimate.fpe;
  model.standardErrors.fill(0.0);
  std::copy(estimate.ratios.begin(), estimate.ratios.end(), model.standardErrors.begin());
  project.preliminary = estimate.settings;
}

}  // namespace kora
