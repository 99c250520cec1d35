// The exact Gaussian likelihood of an ARMA model by the innovations algorithm
// applied to the transformed process (X(t) for t <= m = max(p,q), phi(B)X(t)
// beyond), with its least-squares and forecasting modes, the rescaled
// residuals and the likelihood summaries of the estimation reports.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "arma/arma_model.h"
#include "project/univariate_project.h"

namespace kora {

// Covariances kappa(i,j) (1-based) of the transformed process with unit
// white-noise variance. Only rows up to 2m matter: beyond them kappa is the
// MA autocovariance at |i-j|.
class InnovationsKernel {
 public:
  // gamma: unit-variance model ACVF of lags 0..m (0..q+1 for p = 0).
  InnovationsKernel(const std::vector<double>& coefficients, int p, int q, const std::vector<double>& gamma);
  double operator()(int i, int j) const;
  int m() const { return m_; }
  int p() const { return p_; }
  int q() const { return q_; }

 private:
  int p_, q_, m_;
  std::vector<double> gamma_;   // model ACVF, lags 0..m
  std::vector<double> cross_;   // lags 0..q: sum_{r=h}^{q} theta(r) psi(r-h)
  std::vector<double> maAcvf_;  // lags 0..q: sum theta(r) theta(r+h)
};

struct InnovationsResult {
  int status = 0;                  // -1: an innovations variance <= 0
  double s = 0.0;                  // sum (X(t) - Xhat(t))^2 / r(t-1)
  double logSum = 0.0;             // sum ln r(t-1)
  std::vector<double> predictors;  // Xhat(1..n+1): element t-1 is Xhat(t); empty unless stored
  std::vector<double> r;           // r(0..n) when the predictors are stored, else r(0..steady state)
  std::vector<double> thetaLast;   // theta(n,1..q) of the last step (theta(n,1..n) when n < q)
  int convergeIndex = 0;           // step at which the steady state was reached (n when never)
  std::vector<double> residuals;   // W(1..n), when asked
  // With extra steps H: rows theta(k,1..min(k,q)) for k = n..n+H-1, and r
  // extends to r(n+H).
  std::vector<std::vector<double>> tailTheta;
  // r(k) for any k the run reached: r is constant beyond its last element.
  double RAt(int k) const { return r[std::min(static_cast<std::size_t>(k), r.size() - 1)]; }
};

struct InnovationsRequest {
  bool storeResiduals = false;
  int extraSteps = 0;
  // false: O(m^2) work storage for any n. No predictors, and r only up to the
  // steady state (read it through RAt); S, logsum and residuals are the same.
  bool storePredictors = true;
  // 0: the steady state is taken only once r and theta(n, 1..q) have reached
  // their limits to working precision (the exact likelihood). > 0: once they
  // change by no more than this (tested every 5 steps), which also finds the
  // limit of a non-invertible MA part.
  double changeTolerance = 0.0;
};

// The innovations recursion on the series x(1..n) (x[t-1] = x(t)). Only the
// last max(m, q)+1 rows of coefficients and max(m, q)+1 innovations are kept,
// and beyond step 2m a row holds q values. Once r and theta have settled (see
// InnovationsRequest) only the predictors continue.
InnovationsResult InnovationsAlgorithm(const InnovationsKernel& kappa, const std::vector<double>& x,
                                       const std::vector<double>& coefficients,
                                       const InnovationsRequest& request);

struct LikelihoodOutcome {
  int status = 0;  // 0 done; -1 not causal or an innovations variance <= 0
  double s = 0.0;
  double logSum = 0.0;
  int n = 0;
  std::vector<double> forecasts;    // mode h > 0: h forecasts of the working series
  std::vector<double> forecastMse;  // and their mean squared errors (with the new sigma2)
  // What the mean squared errors are made of (PredictorMse): the AR
  // coefficients the recursion used, the innovations rows theta(n+k, 1..)
  // and r(n+k), k = 0..h-1.
  std::vector<double> forecastAr;
  std::vector<std::vector<double>> forecastTheta;
  std::vector<double> forecastR;
  std::vector<double> residuals;  // W(1..n) when model.storeResiduals
};

// One evaluation. mode: -1 maximum likelihood, 0 least squares, h > 0
// forecasting (as maximum likelihood, plus h forecasts). The likelihood is
// exact (the steady state is taken only at its limit). On success writes
// whiteNoiseVariance (S/n, or S/(n-p-q) for least squares), reducedLikelihood,
// objective and convergeIndex; every call increments functionEvaluations.
// On failure none of the likelihood fields changes.
LikelihoodOutcome ArmaLikelihood(const std::vector<double>& workingSeries, ArmaModel& model, int mode);

// MSE(h), h = 1..H, of the h-step predictors: sigma2 times the sum over
// j < h of [sum over r <= j of chi(r) theta(n+h-r-1, j-r)]^2 r(n+h-j-1), chi
// the coefficients of 1/(1 - ar1 z - ar2 z^2 - ...). With the model's AR
// part, the errors of the series itself; with it multiplied by the
// differencing operators, the errors of the undifferenced series predicted
// from the same innovations. A term above 1e12 gives 1e24; beyond 54 steps
// the value stays.
std::vector<double> PredictorMse(const std::vector<double>& ar, const std::vector<std::vector<double>>& theta,
                                 const std::vector<double>& r, double sigma2, int horizon);

// The series the model describes: the current series mean-corrected, or,
// while a regression trend is estimated, the trend residuals as stored.
std::vector<double> WorkingSeries(const UnivariateProject& project);

// Project form: evaluates on the working series and stores the residuals in
// the project when model.storeResiduals is set, the forecasts in
// armaForecasts / armaForecastMse for mode h > 0. Returns the status.
int ArmaLikelihood(UnivariateProject& project, int mode);

struct InnovationsCoefficientsResult {
  int status = 0;
  std::vector<double> theta;  // theta(N,1..q)
  double r = 0.0;             // r(N)
  int steps = 0;              // N
};
// Converged innovations coefficients of the model over a growing horizon
// (the working series, zeros beyond it; N doubles up to 2200).
InnovationsCoefficientsResult InnovationsCoefficients(const std::vector<double>& workingSeries,
                                                      const ArmaModel& model);
InnovationsCoefficientsResult InnovationsCoefficients(const UnivariateProject& project);

// Likelihood summaries. n observations, k free parameters, sigma2 the model's
// white-noise variance, sOverN the evaluation's (Residual SS)/N, l the
// reduced likelihood; 2 pi is taken as 6.28318.
double Minus2LogLikelihood(int n, double sigma2, double sOverN, double l);
double Aicc(double minus2LogLikelihood, int n, int k);
// With a regression trend of K coefficients: penalty on p+q+K+1 parameters.
double AiccCorrectedForRegression(double minus2LogLikelihood, int n, int p, int q, int regressors);
double Bic(const std::vector<double>& workingSeries, double sigma2, int k);
double Fpe(double sigma2, int n, int k);
// Fills minus2LogLikelihood, aicc (previous one to previousAicc), bic and,
// for pure AR models, fpe, from the model's fields after an evaluation.
void StoreLikelihoodSummaries(const std::vector<double>& workingSeries, ArmaModel& model);

}  // namespace kora
