// Maximum likelihood fitting of an ARMA(2,1) to simulated series of 10^3,
// 10^4 and 10^5 values, started from the Hannan-Rissanen estimates.
// With KORA_BENCH_EXPORT=DIR set, each series (mean-corrected) and its start
// are written to DIR for bench/arma_vs_r.sh.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "arma/likelihood.h"
#include "arma/max_likelihood.h"
#include "arma/preliminary_estimators.h"
#include "arma/simulation.h"

namespace kora {
namespace {

UnivariateProject StartingProject(int n) {
  ArmaModel truth;
  truth.arOrder = 2;
  truth.maOrder = 1;
  truth.phi[0] = 1.2;
  truth.phi[1] = -0.5;
  truth.theta[0] = 0.4;
  UniformGenerator generator;
  UnivariateProject project;
  project.series = *SimulateArma(truth, 1.0, GaussianNoise(n, 20251205, generator));
  const std::vector<double> x = WorkingSeries(project);
  const PreliminaryFit start = HannanRissanenFit(x, 2, 1);
  ArmaModel& model = project.model;
  model.arOrder = 2;
  model.maOrder = 1;
  model.phi[0] = start.phi[0];
  model.phi[1] = start.phi[1];
  model.theta[0] = start.theta[0];
  model.freeParamCount = 3;
  model.freeParamList = {1, 2, 3};
  model.innovTolerance = 5.0e-5;
  model.iterationLimit = 50;
  model.accuracy = DefaultAccuracy(model);  // the dialog's default
  if (const char* dir = std::getenv("KORA_BENCH_EXPORT")) {
    std::ofstream series(std::string(dir) + "/arma21_" + std::to_string(n) + ".txt");
    char buffer[40];
    for (double v : x) {
      std::snprintf(buffer, sizeof buffer, "%.17g\n", v);
      series << buffer;
    }
    std::ofstream init(std::string(dir) + "/arma21_" + std::to_string(n) + "_start.txt");
    std::snprintf(buffer, sizeof buffer, "%.17g ", model.phi[0]);
    init << buffer;
    std::snprintf(buffer, sizeof buffer, "%.17g ", model.phi[1]);
    init << buffer;
    std::snprintf(buffer, sizeof buffer, "%.17g\n", model.theta[0]);
    init << buffer;
  }
  return project;
}

// -2 ln L of the model with exact pi, the form R's arima reports.
double ExactMinus2LogLikelihood(const UnivariateProject& project) {
  ArmaModel model = project.model;
  model.multRelationCount = 0;
  const std::vector<double> x = WorkingSeries(project);
  const LikelihoodOutcome out = ArmaLikelihood(x, model, kMaximumLikelihood);
  const double n = static_cast<double>(x.size());
  return n * std::log(2.0 * M_PI * out.s / n) + out.logSum + n;
}

void BM_MlFitArma21(benchmark::State& state) {
  const UnivariateProject start = StartingProject(static_cast<int>(state.range(0)));
  const std::vector<double> x = WorkingSeries(start);
  const MlOptions options = MlOptionsOf(start.model);
  MlEstimate estimate;
  for (auto _ : state) {
    estimate = EstimateMaxLikelihood(x, start.model, options);
    benchmark::DoNotOptimize(estimate);
  }
  UnivariateProject fitted = start;
  StoreMlEstimate(estimate, fitted.model);
  state.counters["m2loglik"] = ExactMinus2LogLikelihood(fitted);
  state.counters["iterations"] = estimate.iterations;
  state.counters["evaluations"] = estimate.evaluations;
  state.counters["phi1"] = fitted.model.phi[0];
  state.counters["phi2"] = fitted.model.phi[1];
  state.counters["theta1"] = fitted.model.theta[0];
}
BENCHMARK(BM_MlFitArma21)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kora
