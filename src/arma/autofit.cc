#include "arma/autofit.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "arma/estimation_settings.h"
#include "arma/model_acvf.h"
#include "arma/preliminary_estimation.h"
#include "report/aicc_text.h"

namespace kora {

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

int StartMethod(int p, int q) {
  if (q == 0) return kYuleWalker;
  if (p == 0) return kInnovations;
  return kHannanRissanen;
}

// The model the fit starts from: the preliminary estimate when it is causal
// and invertible, else every coefficient 0 (always admissible).
ArmaModel StartModel(const std::vector<double>& series, int p, int q) {
  ArmaModel model;
  model.arOrder = p;
  model.maOrder = q;
  double meanSquare = 0.0;
  for (double v : series) meanSquare += v * v;
  model.whiteNoiseVariance = series.empty() ? 1.0 : meanSquare / static_cast<double>(series.size());
  if (p + q > 0) {
    const PreliminaryEstimate estimate = EstimatePreliminary(series, {p, q, StartMethod(p, q), 0});
    if (estimate.outcome == PreliminaryOutcome::kDone) {
      std::copy(estimate.phi.begin(), estimate.phi.end(), model.phi.begin());
      std::copy(estimate.theta.begin(), estimate.theta.end(), model.theta.begin());
      model.whiteNoiseVariance = estimate.sigma2;
      if (!IsCausal(model) || !IsInvertible(model)) {
        model.phi.fill(0.0);
        model.theta.fill(0.0);
      }
    }
  }
  model.freeParamCount = p + q;
  for (int i = 0; i < p + q; ++i) model.freeParamList[i] = i + 1;
  model.estimationMode = kMaximumLikelihood;
  model.innovTolerance = 5.0e-5;  // as Model > Estimation > Max likelihood
  model.iterationLimit = 50;
  model.noOptimization = p + q == 0;
  model.accuracy = DefaultAccuracy(model);
  return model;
}

const char* StopStatus(MinimizerStop stop) {
  switch (stop) {
    case MinimizerStop::kNoLowerPoint:
      return "uncertain minimum";
    case MinimizerStop::kMaxSteps:
      return "no minimum (five maximum steps)";
    default:
      return "converged";
  }
}

bool BetterCandidate(const AutofitCandidate& a, const AutofitCandidate& b) {
  if (a.usable != b.usable) return a.usable;
  const double aAicc = a.estimate.aicc, bAicc = b.estimate.aicc;
  if (aAicc != bAicc) return aAicc < bAicc;
  if (a.p + a.q != b.p + b.q) return a.p + a.q < b.p + b.q;
  return a.p < b.p;
}

}  // namespace

AutofitCandidate FitCandidate(const std::vector<double>& series, int p, int q) {
  const Clock::time_point start = Clock::now();
  AutofitCandidate candidate;
  candidate.p = p;
  candidate.q = q;
  candidate.start = StartModel(series, p, q);
  candidate.estimate = EstimateMaxLikelihood(series, candidate.start, MlOptionsOf(candidate.start));
  ArmaModel fitted = candidate.start;
  SetCombinedCoefficients(fitted, candidate.estimate.coefficients);
  const int n = static_cast<int>(series.size());
  switch (candidate.estimate.outcome) {
    case MlOutcome::kNonCausal:
      candidate.status = "not causal";
      break;
    case MlOutcome::kIterationLimit:
      candidate.status = "iteration limit reached";
      break;
    case MlOutcome::kInterrupted:
      candidate.status = "interrupted";
      break;
    case MlOutcome::kDone:
      if (!IsCausal(fitted))
        candidate.status = "not causal";
      else if (!IsInvertible(fitted))
        candidate.status = "not invertible";
      else if (!AiccDefined(n, p + q) || !std::isfinite(candidate.estimate.aicc))
        candidate.status = "AICC undefined";
      else if (p + q == 0)
        candidate.status = "white noise: nothing to fit";
      else
        candidate.status = StopStatus(candidate.estimate.stop);
      // An uncertain minimum is still a causal, invertible fit whose AICC can be compared.
      candidate.usable = candidate.status == "converged" || candidate.status == "uncertain minimum" ||
                         candidate.status == "white noise: nothing to fit";
      break;
  }
  candidate.seconds = SecondsSince(start);
  return candidate;
}

AutofitResult Autofit(const std::vector<double>& series, const AutofitOptions& options) {
  const Clock::time_point start = Clock::now();
  AutofitResult result;
  result.n = static_cast<int>(series.size());
  std::vector<std::pair<int, int>> orders;
  for (int p = 0; p <= options.maxP; ++p)
    for (int q = 0; q <= options.maxQ; ++q) orders.emplace_back(p, q);
  const int total = static_cast<int>(orders.size());
  result.candidates.resize(orders.size());

  // Workers take the next order from a shared counter and write only their own slot.
  std::atomic<int> next{0};
  int done = 0;
  std::mutex mutex;
  std::condition_variable finished;
  auto work = [&] {
    for (int i; (i = next.fetch_add(1)) < total;) {
      result.candidates[i] = FitCandidate(series, orders[i].first, orders[i].second);
      std::lock_guard lock(mutex);
      ++done;
      finished.notify_one();
    }
  };
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const int threads = std::clamp(options.threads > 0 ? options.threads : cores, 1, std::max(1, total));
  std::vector<std::thread> pool;
  for (int t = 0; t < threads; ++t) pool.emplace_back(work);
  {
    std::unique_lock lock(mutex);
    for (int shown = -1; shown < total;) {
      finished.wait(lock, [&] { return done != shown; });
      shown = done;
      if (options.progress) {
        lock.unlock();
        options.progress(shown, total);
        lock.lock();
      }
    }
  }
  for (std::thread& thread : pool) thread.join();
  std::stable_sort(result.candidates.begin(), result.candidates.end(), BetterCandidate);
  result.seconds = SecondsSince(start);
  return result;
}

}  // namespace kora
