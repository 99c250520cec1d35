// The Autofit search over every ARMA(p, q) with p, q <= 5 (36 candidates) on a
// simulated ARMA(2,1) series of 10^4 values, on all cores. With
// KORA_BENCH_EXPORT=DIR set, the (mean-corrected) series is written to DIR for
// bench/autofit_vs_r.sh.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "arma/autofit.h"
#include "arma/likelihood.h"
#include "arma/simulation.h"

namespace kora {
namespace {

std::vector<double> SimulatedSeries(int n) {
  ArmaModel truth;
  truth.arOrder = 2;
  truth.maOrder = 1;
  truth.phi[0] = 1.2;
  truth.phi[1] = -0.5;
  truth.theta[0] = 0.4;
  UniformGenerator generator;
  UnivariateProject project;
  project.series = *SimulateArma(truth, 1.0, GaussianNoise(n, 20251206, generator));
  const std::vector<double> x = WorkingSeries(project);
  if (const char* dir = std::getenv("KORA_BENCH_EXPORT")) {
    std::ofstream out(std::string(dir) + "/autofit_" + std::to_string(n) + ".txt");
    char buffer[40];
    for (double v : x) {
      std::snprintf(buffer, sizeof buffer, "%.17g\n", v);
      out << buffer;
    }
  }
  return x;
}

void BM_Autofit36(benchmark::State& state) {
  const std::vector<double> x = SimulatedSeries(static_cast<int>(state.range(0)));
  AutofitOptions options;
  AutofitResult result;
  for (auto _ : state) {
    result = Autofit(x, options);
    benchmark::DoNotOptimize(result);
  }
  if (!result.found()) return state.SkipWithError("no usable candidate");
  const AutofitCandidate& best = result.candidates.front();
  // -2 ln L with exact pi (the model text takes 2 pi as 6.28318), and AICC
  // from it: the same count R's AICc makes with the variance as a parameter.
  const double n = static_cast<double>(x.size());
  const int k = best.p + best.q;
  const double m2 = best.estimate.minus2LogLikelihood + n * (std::log(2.0 * M_PI) - std::log(6.28318));
  state.counters["p"] = best.p;
  state.counters["q"] = best.q;
  state.counters["m2loglik"] = m2;
  state.counters["aicc"] = m2 + 2.0 * (k + 1) * n / (n - k - 2);
  int usable = 0;
  for (const AutofitCandidate& c : result.candidates) usable += c.usable;
  state.counters["usable"] = usable;
}
BENCHMARK(BM_Autofit36)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace kora
