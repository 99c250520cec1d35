#include "arma/max_likelihood.h"

#include <algorithm>
#include <cmath>

#include "arma/likelihood.h"
#include "arma/minimizer.h"
#include "arma/model_acvf.h"
#include "linalg/cholesky.h"

namespace kora {

namespace {

constexpr double kNonCausalValue = 0.001;
constexpr int kPsiTerms = 2000;

std::vector<double> FreeValues(const ArmaModel& model) {
  const std::vector<double> c = CombinedCoefficients(model);
  std::vector<double> x(model.freeParamCount);
  for (int i = 0; i < model.freeParamCount; ++i) x[i] = c[model.freeParamList[i] - 1];
  return x;
}

void SetFreeValues(ArmaModel& model, const std::vector<double>& x) {
  std::vector<double> c = CombinedCoefficients(model);
  for (int i = 0; i < static_cast<int>(x.size()); ++i) c[model.freeParamList[i] - 1] = x[i];
  SetCombinedCoefficients(model, c);
}

// Relation targets hold their computed values in the stored model.
void StoreRelationTargets(ArmaModel& model) {
  std::vector<double> c = CombinedCoefficients(model);
  ApplyRelations(model, c);
  SetCombinedCoefficients(model, c);
}

void SetNonCausal(const std::vector<double>& series, ArmaModel& model) {
  std::vector<double> c = CombinedCoefficients(model);
  std::fill(c.begin(), c.end(), kNonCausalValue);
  SetCombinedCoefficients(model, c);
  model.multRelationCount = 0;
  if (ArmaLikelihood(series, model, model.estimationMode).status == 0)
    model.residualSsOverN = model.whiteNoiseVariance;
}

// Unit-variance autocovariances of the AR process 1 / (1 - a(1) z - ...):
// its psi weights; empty when the polynomial is not stable.
std::vector<double> ArPsi(const std::vector<double>& a) {
  if (!StepDownStable(a)) return {};
  return PsiWeights(static_cast<int>(a.size()), 0, a, kPsiTerms);
}

// se = sqrt(V(j,j)/n) with V the inverse of the information matrix of the
// free coefficients, built from the AR processes phi(B)U = Z and theta(B)V = Z.
bool AsymptoticStandardErrors(ArmaModel& model, int n) {
  const int p = model.arOrder, q = model.maOrder, k = model.freeParamCount;
  std::vector<double> minusTheta(q);
  for (int j = 0; j < q; ++j) minusTheta[j] = -model.theta[j];
  const std::vector<double> a = ArPsi(std::vector<double>(model.phi.begin(), model.phi.begin() + p));
  const std::vector<double> b = ArPsi(minusTheta);
  if (a.empty() || b.empty()) return false;
  // Cov of the lagged series: element (i, j) of combined indices.
  auto covariance = [&](int i, int j) {
    const bool ui = i <= p, uj = j <= p;
    const std::vector<double>& wi = ui ? a : b;
    const std::vector<double>& wj = uj ? a : b;
    const int li = ui ? i : i - p, lj = uj ? j : j - p;
    // Cov(W_{t-li}, W'_{t-lj}) = sum_k wi(k) wj(k + li - lj).
    double sum = 0.0;
    for (int m = 0; m < kPsiTerms; ++m) {
      const int other = m + li - lj;
      if (other < 0 || other >= kPsiTerms) continue;
      sum += wi[m] * wj[other];
    }
    return sum;
  };
  std::vector<double> information(static_cast<size_t>(k) * k);
  for (int r = 0; r < k; ++r)
    for (int c = 0; c < k; ++c)
      information[r * k + c] = covariance(model.freeParamList[r], model.freeParamList[c]);
  if (!InversePositiveDefinite(information, k, information, {0.0, 1.0e-12})) return false;
  for (int r = 0; r < k; ++r) {
    const double v = information[r * k + r];
    if (!(v >= 0.0) || !std::isfinite(v)) return false;
    model.standardErrors[model.freeParamList[r] - 1] = std::sqrt(v / n);
  }
  return true;
}

}  // namespace

double DefaultAccuracy(const ArmaModel& model) {
  double sum = 0.0;
  int count = 0;
  for (double c : CombinedCoefficients(model)) {
    if (c == 0.0) continue;
    sum += c;
    ++count;
  }
  if (count == 0) return 0.001;
  return std::fabs(0.01 * sum / count) + 1.0e-5;
}

double MlObjective(const std::vector<double>& series, ArmaModel& model, const std::vector<double>& x) {
  SetFreeValues(model, x);
  const bool invertible = IsInvertible(model);
  const double last = model.objective;
  const bool evaluated = ArmaLikelihood(series, model, model.estimationMode).status == 0;
  const bool allFree = model.arOrder + model.maOrder == model.freeParamCount;
  if (evaluated && (!allFree || invertible)) return model.objective;
  return last + std::fabs(last) / 2.0 + 0.01;
}

void ComputeStandardErrors(ArmaModel& model, const std::vector<double>& hessian, int n) {
  const int k = model.freeParamCount;
  model.standardErrors.fill(0.0);
  std::vector<double> h(static_cast<size_t>(k) * k);
  for (int i = 0; i < k; ++i)
    for (int j = 0; j < k; ++j) h[i * k + j] = i >= j ? hessian[i * k + j] : hessian[j * k + i];
  bool ok =
      static_cast<int>(hessian.size()) == k * k && n > 0 && InversePositiveDefinite(h, k, h, {0.0, 1.0e-12});
  for (int j = 0; ok && j < k; ++j) {
    const double v = 2.0 * h[j * k + j] / n;
    if (!(v >= 0.0) || !std::isfinite(v))
      ok = false;
    else
      model.standardErrors[model.freeParamList[j] - 1] = std::sqrt(v);
  }
  if (ok) return;
  model.standardErrors.fill(0.0);
  if (!AsymptoticStandardErrors(model, n)) {
    model.standardErrors.fill(0.0);
    model.standardErrors[0] = -1.0;
  }
}

MlOptions MlOptionsOf(const ArmaModel& model) {
  MlOptions options;
  options.mode = model.estimationMode;
  options.noOptimization = model.noOptimization;
  options.accuracy = model.accuracy;
  options.iterationLimit = model.iterationLimit;
  return options;
}

MlEstimate EstimateMaxLikelihood(const std::vector<double>& series, const ArmaModel& start,
                                 const MlOptions& options) {
  const int n = static_cast<int>(series.size());
  ArmaModel model = start;  // the evaluations work on this copy
  model.estimationMode = options.mode;
  MlEstimate estimate;
  if (options.noOptimization) {
    const double userVariance = model.whiteNoiseVariance;
    if (ArmaLikelihood(series, model, options.mode).status != 0) {
      SetNonCausal(series, model);
      estimate.outcome = MlOutcome::kNonCausal;
    } else {
      model.residualSsOverN = model.whiteNoiseVariance;
      model.whiteNoiseVariance = userVariance;
    }
  } else {
    if (model.freeParamCount - model.maOrder == model.arOrder && !IsInvertible(model)) {
      const InnovationsCoefficientsResult invertible = InnovationsCoefficients(series, model);
      if (invertible.status == 0)
        for (int j = 0; j < model.maOrder; ++j) model.theta[j] = invertible.theta[j];
    }
    if (ArmaLikelihood(series, model, options.mode).status != 0) {
      SetNonCausal(series, model);
      estimate.outcome = MlOutcome::kNonCausal;
    } else {
      model.functionEvaluations = 0;
      MinimizerOptions minimizer;
      minimizer.stepTolerance = options.accuracy;
      minimizer.iterationLimit = options.iterationLimit;
      minimizer.progress = options.progress;
      const MinimizerSummary summary =
          Minimize([&](const std::vector<double>& x) { return MlObjective(series, model, x); },
                   FreeValues(model), minimizer);
      SetFreeValues(model, summary.x);
      estimate.iterations = summary.iterations;
      estimate.stop = summary.stop;
      if (ArmaLikelihood(series, model, options.mode).status != 0) {
        SetNonCausal(series, model);
        estimate.outcome = MlOutcome::kNonCausal;
      } else {
        model.residualSsOverN = model.whiteNoiseVariance;
        ComputeStandardErrors(model, summary.hessian, n);
        StoreRelationTargets(model);
        if (summary.stop == MinimizerStop::kIterationLimit) estimate.outcome = MlOutcome::kIterationLimit;
        if (summary.stop == MinimizerStop::kInterrupted) estimate.outcome = MlOutcome::kInterrupted;
      }
    }
  }
  StoreLikelihoodSummaries(series, model);
  estimate.coefficients = CombinedCoefficients(model);
  estimate.relationCount = model.multRelationCount;
  estimate.sigma2 = model.whiteNoiseVariance;
  estimate.residualSsOverN = model.residualSsOverN;
  estimate.reducedLikelihood = model.reducedLikelihood;
  estimate.objective = model.objective;
  estimate.minus2LogLikelihood = model.minus2LogLikelihood;
  estimate.aicc = model.aicc;
  estimate.bic = model.bic;
  estimate.fpe = model.fpe;
  estimate.standardErrors = model.standardErrors;
  estimate.evaluations = model.functionEvaluations;
  return estimate;
}

void StoreMlEstimate(const MlEstimate& estimate, ArmaModel& model) {
  SetCombinedCoefficients(model, estimate.coefficients);
  model.multRelationCount = estimate.relationCount;
  model.whiteNoiseVariance = estimate.sigma2;
  model.residualSsOverN = estimate.residualSsOverN;
  model.reducedLikelihood = estimate.reducedLikelihood;
  model.objective = estimate.objective;
  model.minus2LogLikelihood = estimate.minus2LogLikelihood;
  model.previousAicc = model.aicc;
  model.aicc = estimate.aicc;
  model.bic = estimate.bic;
  model.fpe = estimate.fpe;
  model.standardErrors = estimate.standardErrors;
  model.stopCode = estimate.stop;
  model.functionEvaluations = estimate.evaluations;
}

}  // namespace kora
