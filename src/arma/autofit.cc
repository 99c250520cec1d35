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

// The settings of a fit of every coefficient of ARMA(p, q) from the given
// start (missing coefficients are 0), as Model > Estimation > Max likelihood.
ArmaModel ModelFrom(int p, int q, const std::vector<double>& phi, const std::vector<double>& theta,
                    double sigma2) {
  ArmaModel model;
  model.arOrder = p;
  model.maOrder = q;
  std::copy(phi.begin(), phi.begin() + std::min<size_t>(phi.size(), p), model.phi.begin());
  std::copy(theta.begin(), theta.begin() + std::min<size_t>(theta.size(), q), model.theta.begin());
  model.whiteNoiseVariance = sigma2;
  model.freeParamCount = p + q;
  for (int i = 0; i < p + q; ++i) model.freeParamList[i] = i + 1;
  model.estimationMode = kMaximumLikelihood;
  model.innovTolerance = 5.0e-5;
  model.iterationLimit = 50;
  model.noOptimization = p + q == 0;
  model.accuracy = DefaultAccuracy(model);
  return model;
}

// The starts of a candidate: the preliminary estimate when it is causal and
// invertible, and every coefficient 0 (always admissible).
std::vector<ArmaModel> OwnStarts(const std::vector<double>& series, int p, int q) {
  double meanSquare = 0.0;
  for (double v : series) meanSquare += v * v;
  const double sigma2 = series.empty() ? 1.0 : meanSquare / static_cast<double>(series.size());
  std::vector<ArmaModel> starts;
  if (p + q > 0) {
    const PreliminaryEstimate estimate = EstimatePreliminary(series, {p, q, StartMethod(p, q), 0});
    if (estimate.outcome == PreliminaryOutcome::kDone) {
      ArmaModel model = ModelFrom(p, q, estimate.phi, estimate.theta, estimate.sigma2);
      if (IsCausal(model) && IsInvertible(model)) starts.push_back(model);
    }
  }
  starts.push_back(ModelFrom(p, q, {}, {}, sigma2));
  return starts;
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

namespace {

AutofitCandidate FitFrom(const std::vector<double>& series, const ArmaModel& start) {
  const int p = start.arOrder, q = start.maOrder;
  AutofitCandidate candidate;
  candidate.p = p;
  candidate.q = q;
  candidate.start = start;
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
  return candidate;
}

// Whether a fit is better than the best so far: usable before not, then the
// lower -2 ln L; on a tie the earlier start stays.
bool BetterFit(const AutofitCandidate& a, const AutofitCandidate& best) {
  if (a.usable != best.usable) return a.usable;
  return a.estimate.minus2LogLikelihood < best.estimate.minus2LogLikelihood;
}

// A fitted lower order widened to ARMA(p, q) by zero coefficients.
ArmaModel Widened(const AutofitCandidate& lower, int p, int q) {
  ArmaModel fitted = lower.start;
  SetCombinedCoefficients(fitted, lower.estimate.coefficients);
  const std::vector<double> phi(fitted.phi.begin(), fitted.phi.begin() + lower.p);
  const std::vector<double> theta(fitted.theta.begin(), fitted.theta.begin() + lower.q);
  return ModelFrom(p, q, phi, theta, lower.estimate.sigma2);
}

// The best of the fits from the candidate's own starts and the widened lower
// orders (each may be null).
AutofitCandidate FitFromStarts(const std::vector<double>& series, int p, int q,
                               const AutofitCandidate* lowerP, const AutofitCandidate* lowerQ) {
  const Clock::time_point start = Clock::now();
  std::vector<ArmaModel> starts = OwnStarts(series, p, q);
  for (const AutofitCandidate* lower : {lowerP, lowerQ})
    if (lower && lower->usable) starts.push_back(Widened(*lower, p, q));
  AutofitCandidate best = FitFrom(series, starts.front());
  for (size_t i = 1; i < starts.size(); ++i) {
    AutofitCandidate fit = FitFrom(series, starts[i]);
    if (BetterFit(fit, best)) best = std::move(fit);
  }
  best.seconds = SecondsSince(start);
  return best;
}

}  // namespace

AutofitCandidate FitCandidate(const std::vector<double>& series, int p, int q) {
  return FitFromStarts(series, p, q, nullptr, nullptr);
}

AutofitResult Autofit(const std::vector<double>& series, const AutofitOptions& options) {
  const Clock::time_point start = Clock::now();
  AutofitResult result;
  result.n = static_cast<int>(series.size());
  const int columns = options.maxQ + 1;
  const int total = (options.maxP + 1) * columns;
  std::vector<AutofitCandidate>& grid = result.candidates;  // p * columns + q until sorted
  grid.resize(static_cast<size_t>(total));
  auto at = [&](int p, int q) { return p >= 0 && q >= 0 ? &grid[p * columns + q] : nullptr; };
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const int threads = options.threads > 0 ? options.threads : cores;

  int done = 0, shown = -1;  // fits made, and the count last shown
  std::mutex mutex;
  std::condition_variable finished;
  // Orders of one p + q are fitted together: each also starts from the fits
  // of ARMA(p-1, q) and ARMA(p, q-1), made in the level before.
  for (int level = 0; level <= options.maxP + options.maxQ; ++level) {
    std::vector<std::pair<int, int>> orders;
    for (int p = std::max(0, level - options.maxQ); p <= std::min(level, options.maxP); ++p)
      orders.emplace_back(p, level - p);
    const int count = static_cast<int>(orders.size());
    std::atomic<int> next{0};
    auto work = [&] {
      for (int i; (i = next.fetch_add(1)) < count;) {
        const auto [p, q] = orders[i];
        *at(p, q) = FitFromStarts(series, p, q, at(p - 1, q), at(p, q - 1));
        std::lock_guard lock(mutex);
        ++done;
        finished.notify_one();
      }
    };
    // Taken before the workers start: they change `done` at once.
    const int target = done + count;
    std::vector<std::thread> pool;
    for (int t = 0; t < std::min(threads, count); ++t) pool.emplace_back(work);
    std::unique_lock lock(mutex);
    while (shown < target) {
      finished.wait(lock, [&] { return done != shown; });
      shown = done;
      if (options.progress) {
        lock.unlock();
        options.progress(shown, total);
        lock.lock();
      }
    }
    lock.unlock();
    for (std::thread& thread : pool) thread.join();
  }
  std::stable_sort(grid.begin(), grid.end(), BetterCandidate);
  result.seconds = SecondsSince(start);
  return result;
}

}  // namespace kora
