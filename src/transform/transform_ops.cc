#include "transform/transform_ops.h"

#include <cmath>
#include <numeric>
#include <utility>

#include "transform/classical.h"

namespace kora {

namespace {

constexpr double kLogLambda = 1e-7;  // below this Box-Cox is the logarithm

bool TopIs(const UnivariateProject& project, int kind) {
  return !project.transforms.empty() && project.transforms.back().kind == kind;
}

TransformStep NewStep(int kind) {
  TransformStep step;
  step.kind = kind;
  return step;
}

}  // namespace

void SetCurrentSeries(UnivariateProject& project, std::vector<double> series, int firstIndex) {
  project.series = std::move(series);
  project.firstIndex = firstIndex;
  project.lastIndex = firstIndex + project.count() - 1;
}

double BoxCox(double x, double lambda) {
  return lambda >= kLogLambda ? (std::pow(x, lambda) - 1.0) / lambda : std::log(x);
}

double InverseBoxCox(double y, double lambda) {
  return lambda >= kLogLambda ? std::pow(lambda * y + 1.0, 1.0 / lambda) : std::exp(y);
}

bool PushDifference(UnivariateProject& project, int lag) {
  const int n = project.count();
  if (lag < 1 || lag >= n) return false;
  const std::vector<double>& x = project.series;
  TransformStep step = NewStep(kDifference);
  step.lag = lag;
  step.savedHead.assign(x.begin(), x.begin() + lag);
  std::vector<double> y(n - lag);
  for (int t = 0; t < n - lag; ++t) y[t] = x[t + lag] - x[t];
  SetCurrentSeries(project, std::move(y), project.firstIndex + lag);
  project.transforms.push_back(std::move(step));
  return true;
}

bool UndoDifference(UnivariateProject& project) {
  if (!TopIs(project, kDifference)) return false;
  TransformStep& step = project.transforms.back();
  const int d = step.lag;
  if (d < 1 || static_cast<int>(step.savedHead.size()) != d) return false;
  const std::vector<double>& y = project.series;
  std::vector<double> z(y.size() + d);
  for (int t = 0; t < static_cast<int>(z.size()); ++t) z[t] = t < d ? step.savedHead[t] : y[t - d] + z[t - d];
  SetCurrentSeries(project, std::move(z), project.firstIndex - d);
  project.transforms.pop_back();
  return true;
}

bool PushBoxCox(UnivariateProject& project, double lambda) {
  if (!project.HasData() || !std::isfinite(lambda)) return false;
  for (double& x : project.series) x = BoxCox(x, lambda);
  TransformStep step = NewStep(kBoxCox);
  step.lambda = lambda;
  project.transforms.push_back(std::move(step));
  return true;
}

bool UndoBoxCox(UnivariateProject& project) {
  if (!TopIs(project, kBoxCox)) return false;
  const double lambda = project.transforms.back().lambda;
  for (double& x : project.series) x = InverseBoxCox(x, lambda);
  project.transforms.pop_back();
  return true;
}

bool PushSubtractMean(UnivariateProject& project) {
  if (!project.HasData()) return false;
  const double mean = std::accumulate(project.series.begin(), project.series.end(), 0.0) / project.count();
  for (double& x : project.series) x -= mean;
  TransformStep step = NewStep(kSubtractMean);
  step.mean = mean;
  project.transforms.push_back(std::move(step));
  return true;
}

bool UndoSubtractMean(UnivariateProject& project) {
  if (!TopIs(project, kSubtractMean)) return false;
  const double mean = project.transforms.back().mean;
  for (double& x : project.series) x += mean;
  project.transforms.pop_back();
  return true;
}

bool PushSubsequence(UnivariateProject& project, int lo, int hi) {
  const int first = project.firstIndex, last = project.lastIndex;
  if (!(first <= lo && lo < hi && hi <= last) || project.count() != last - first + 1) return false;
  const auto begin = project.series.begin();
  TransformStep step = NewStep(kSubsequence);
  step.oldFirstIndex = first;
  step.oldLastIndex = last;
  step.leading.assign(begin, begin + (lo - first));
  step.trailing.assign(begin + (hi - first + 1), project.series.end());
  SetCurrentSeries(project, std::vector<double>(begin + (lo - first), begin + (hi - first + 1)), lo);
  project.transforms.push_back(std::move(step));
  return true;
}

bool UndoSubsequence(UnivariateProject& project) {
  if (!TopIs(project, kSubsequence)) return false;
  TransformStep& step = project.transforms.back();
  std::vector<double> whole = std::move(step.leading);
  whole.insert(whole.end(), project.series.begin(), project.series.end());
  whole.insert(whole.end(), step.trailing.begin(), step.trailing.end());
  SetCurrentSeries(project, std::move(whole), step.oldFirstIndex);
  project.transforms.pop_back();
  return true;
}

bool UndoTopStep(UnivariateProject& project) {
  if (project.transforms.empty()) return false;
  switch (project.transforms.back().kind) {
    case kDifference:
      return UndoDifference(project);
    case kBoxCox:
      return UndoBoxCox(project);
    case kSubtractMean:
      return UndoSubtractMean(project);
    case kSubsequence:
      return UndoSubsequence(project);
    case kClassicalSeasonal:
    case kClassicalHarmonic:
      return UndoClassical(project);
    default:
      return false;
  }
}

std::string TransformStepName(int kind) {
  switch (kind) {
    case kDifference:
      return "Difference";
    case kBoxCox:
      return "Box-Cox";
    case kClassicalSeasonal:
    case kClassicalHarmonic:
      return "Classical";
    case kSubtractMean:
      return "Subtract Mean";
    case kSubsequence:
      return "Subsequence";
    default:
      return "";
  }
}

}  // namespace kora
