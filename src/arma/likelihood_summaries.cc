// -2Log(Likelihood), AICC, BIC and FPE of an evaluated model. A summary whose
// formula is undefined (too few observations for the parameters, a zero
// variance) is written as 0.
#include <cmath>

#include "arma/likelihood.h"

namespace kora {

namespace {
const double kLogTwoPi = std::log(6.28318);
}  // namespace

double Minus2LogLikelihood(int n, double sigma2, double sOverN, double l) {
  if (n <= 0 || !(sigma2 > 0) || !(sOverN > 0)) return 0.0;
  return n * (sOverN / sigma2 + kLogTwoPi + l + std::log(sigma2) - std::log(sOverN));
}

double Aicc(double minus2LogLikelihood, int n, int k) {
  if (n - k - 2 <= 0) return 0.0;
  return minus2LogLikelihood + 2.0 * (k + 1) * n / (n - k - 2);
}

double AiccCorrectedForRegression(double minus2LogLikelihood, int n, int p, int q, int regressors) {
  const int parameters = p + q + regressors + 1;
  if (n - parameters - 1 <= 0) return 0.0;
  return minus2LogLikelihood + 2.0 * parameters * n / (n - parameters - 1);
}

double Bic(const std::vector<double>& x, double sigma2, int k) {
  const int n = static_cast<int>(x.size());
  if (n == 0 || k <= 0 || k >= n || !(sigma2 > 0)) return 0.0;
  double s2 = 0.0;
  for (double v : x) s2 += v * v;
  s2 /= n;
  if (s2 <= sigma2) return 0.0;
  return n * (std::log(sigma2) + kLogTwoPi + 1) - (n - k) * std::log(1.0 - static_cast<double>(k) / n) +
         k * std::log(n * (s2 / sigma2 - 1) / k);
}

double Fpe(double sigma2, int n, int k) {
  if (n - k <= 0) return 0.0;
  return sigma2 * (n + k) / (n - k);
}

void StoreLikelihoodSummaries(const std::vector<double>& x, ArmaModel& model) {
  const int n = static_cast<int>(x.size());
  const int k = model.freeParamCount;
  model.minus2LogLikelihood =
      Minus2LogLikelihood(n, model.whiteNoiseVariance, model.residualSsOverN, model.reducedLikelihood);
  model.previousAicc = model.aicc;
  model.aicc = Aicc(model.minus2LogLikelihood, n, k);
  model.bic = Bic(x, model.whiteNoiseVariance, k);
  model.fpe = (model.maOrder == 0 && model.arOrder > 0) ? Fpe(model.whiteNoiseVariance, n, k) : 0.0;
}

}  // namespace kora
