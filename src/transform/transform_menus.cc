#include "transform/transform_menus.h"

#include <vector>

#include "report/number_format.h"
#include "transform/transform_ops.h"

namespace kora {

namespace {

std::string UndoText(const TransformStep& top) {
  switch (top.kind) {
    case kDifference:
      return "Undo Differencing(" + FormatInteger(top.lag) + ")";
    case kBoxCox:
      return "Undo Box-Cox(" + FormatSignificant(top.lambda, 3) + ")";
    case kClassicalSeasonal:
    case kClassicalHarmonic:
      return "Undo Classical";
    case kSubtractMean:
      return "Undo Subtract Mean";
    case kSubsequence:
      return "Undo Trimming";
    default:
      return "Undo";
  }
}

// The items a step on the stack rules out for the steps that may follow it.
std::vector<int> ExcludedBy(int kind) {
  switch (kind) {
    case kDifference:
      return {kCmdBoxCox, kCmdClassical};
    case kBoxCox:
      return {kCmdBoxCox};
    case kClassicalSeasonal:
    case kClassicalHarmonic:
      return {kCmdBoxCox, kCmdClassical, kCmdDifference};
    case kSubtractMean:
      return {kCmdBoxCox, kCmdClassical, kCmdSubtractMean, kCmdDifference};
    case kSubsequence:
      return {kCmdBoxCox, kCmdClassical, kCmdSubtractMean, kCmdDifference, kCmdSubsequence};
    default:
      return {};
  }
}

}  // namespace

TransformMenuState ComputeTransformMenus(const UnivariateProject& project) {
  TransformMenuState state;
  for (int id :
       {kCmdBoxCox, kCmdClassical, kCmdSubtractMean, kCmdDifference, kCmdSubsequence, kCmdRegressionSpecify})
    state.enabled[id] = true;
  for (int id : {kCmdShowClassicalFit, kCmdLeastSquares, kCmdGeneralizedLeastSquares, kCmdRegressionRemove,
                 kCmdRegressionShowFit})
    state.enabled[id] = false;

  const auto& steps = project.transforms;  // oldest first
  state.undoEnabled = !steps.empty();
  state.undoText = steps.empty() ? "Undo" : UndoText(steps.back());
  state.history = steps.empty() ? "None" : "";
  for (size_t i = 0; i < steps.size(); ++i) {
    const int kind = steps[i].kind;
    for (int id : ExcludedBy(kind)) state.enabled[id] = false;
    if (kind == kClassicalSeasonal || kind == kClassicalHarmonic) state.enabled[kCmdShowClassicalFit] = true;
    if (i > 0) state.history += "->";
    state.history += TransformStepName(kind);
  }

  const bool present = TrendPresent(project.trend);
  if (present)
    for (int id : {kCmdBoxCox, kCmdClassical, kCmdSubtractMean, kCmdDifference, kCmdSubsequence})
      state.enabled[id] = false;
  if (project.trend.trendSpecified) {
    state.enabled[kCmdRegressionSpecify] = false;
    state.enabled[kCmdLeastSquares] = true;
    state.enabled[kCmdGeneralizedLeastSquares] = true;
    if (present) {
      state.enabled[kCmdRegressionRemove] = true;
      state.enabled[kCmdRegressionShowFit] = true;
    }
  }
  return state;
}

}  // namespace kora
