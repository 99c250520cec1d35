#include "arma/simulation_dialog.h"

#include <cmath>
#include <cstdio>

#include "platform/platform.h"
#include "regression/regression_design.h"
#include "report/number_format.h"
#include "report/number_parse.h"
#include "transform/transform_ops.h"

namespace kora {

namespace {

constexpr int kCountField = 1146;
constexpr int kSeedField = 1147;
constexpr int kVarianceField = 1148;
constexpr int kMeanField = 1149;
constexpr int kComponentBox = 1150;
constexpr int kBoxCoxBox = 1151;
constexpr int kRegressionBox = 1230;
constexpr int kCurrentButton = 1154;
constexpr int kNewButton = 1155;
constexpr int kDestinationGroup = 1;
const double kTwoPi = 2.0 * std::acos(-1.0);

std::string General(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.10G", value);
  return buffer;
}

// The newest step of one of the kinds, or null.
const TransformStep* Newest(const UnivariateProject& project, int kindMask) {
  for (auto step = project.transforms.rbegin(); step != project.transforms.rend(); ++step)
    if (step->kind & kindMask) return &*step;
  return nullptr;
}

// The component removed by a classical step at time t (continued with its period).
double ClassicalComponent(const TransformStep& step, int t) {
  double value = 0.0;
  for (int i = 0; i <= step.trendDegree && i < static_cast<int>(step.trendCoefficients.size()); ++i)
    value += step.trendCoefficients[i] * std::pow(static_cast<double>(t), i);
  if (step.kind == kClassicalSeasonal && step.period > 0 && !step.seasonal.empty())
    value += step.seasonal[(t - 1) % step.period % static_cast<int>(step.seasonal.size())];
  if (step.kind == kClassicalHarmonic && step.period > 0)
    for (int i = 0; i < step.harmonicCount && i < 4; ++i) {
      const double angle = kTwoPi * step.fourierIndex[i] * t / step.period;
      value += step.cosineCoefficients[i] * std::cos(angle) + step.sineCoefficients[i] * std::sin(angle);
    }
  return value;
}

// M(t) from the trend coefficients in design order: intercept, t^1..t^P,
// then a cosine and a sine column per harmonic.
// The trend at time t: its stored fit within the series, the trend function beyond.
double RegressionValue(const RegressionTrend& trend, int t, int n) {
  if (t <= static_cast<int>(trend.fit.size())) return trend.fit[t - 1];
  return TrendValue(trend, t, n);
}

}  // namespace

SimulationDialog::SimulationDialog(const UnivariateProject& project)
    : Dialog("ARMA Simulation"), project_(project) {
  using namespace platform;
  const bool hasData = project.HasData();
  const double mean = project.transforms.empty() ? 0.0 : project.transforms.back().mean;
  Add(EditField(kCountField, "Number of observations.", FormatInteger(hasData ? project.count() : 100)));
  Add(EditField(kSeedField, "Enter seed.", "1234"));
  Add(EditField(kVarianceField, "Enter white noise variance.", General(project.model.whiteNoiseVariance)));
  Add(EditField(kMeanField, "Add mean to series.", General(mean)));
  Add(CheckBox(kComponentBox, "Add seasonal component/trend to series.", false));
  Add(CheckBox(kBoxCoxBox, "Add Box-Cox transformation.", false));
  Add(CheckBox(kRegressionBox, "Include regression trend function.", false));
  Add(RadioButton(kCurrentButton, "Import  to current project.", kDestinationGroup, !hasData));
  Add(RadioButton(kNewButton, "Create new project.", kDestinationGroup, hasData));
  Add(PushButton(kIdOk, "OK"));
  Add(PushButton(kIdCancel, "Cancel"));
  At(kComponentBox).enabled = Newest(project, kClassicalSeasonal | kClassicalHarmonic) != nullptr;
  At(kBoxCoxBox).enabled = Newest(project, kBoxCox) != nullptr;
  At(kRegressionBox).enabled = TrendPresent(project.trend);
}

void SimulationDialog::OnCommand(int id) {
  if (id == platform::kIdCancel) End(platform::kIdCancel);
  if (id != platform::kIdOk) return;
  const auto n = ReadFirstInteger(At(kCountField).text);
  if (!n || *n < 1) {
    platform->Message("ERROR", " Number of observations must be > 0");
    return;
  }
  const double sigma2 = ParseNumber(At(kVarianceField).text);
  if (!(sigma2 > 0.0)) {
    platform->Message("ERROR", " WN Variance must be postive");
    return;
  }
  request_.n = *n;
  request_.seed = ReadFirstInteger(At(kSeedField).text).value_or(0);
  request_.sigma2 = sigma2;
  request_.mean = ParseNumber(At(kMeanField).text);
  request_.addComponent = At(kComponentBox).enabled && At(kComponentBox).checked;
  request_.addBoxCox = At(kBoxCoxBox).enabled && At(kBoxCoxBox).checked;
  request_.addRegression = At(kRegressionBox).enabled && At(kRegressionBox).checked;
  request_.newProject = At(kNewButton).checked;
  End(platform::kIdOk);
}

void AddSimulationComponents(const UnivariateProject& project, const SimulationRequest& request,
                             std::vector<double>& series) {
  if (TrendPresent(project.trend) && !request.addRegression) return;
  const int n = static_cast<int>(series.size());
  const TransformStep* classical = Newest(project, kClassicalSeasonal | kClassicalHarmonic);
  const TransformStep* boxCox = Newest(project, kBoxCox);
  for (int t = 1; t <= n; ++t) {
    double& value = series[t - 1];
    if (request.addRegression) value += RegressionValue(project.trend, t, std::max(project.count(), 1));
    value += request.mean;
    if (request.addComponent && classical) value += ClassicalComponent(*classical, t);
    if (request.addBoxCox && boxCox) value = InverseBoxCox(value, boxCox->lambda);
  }
}

}  // namespace kora
