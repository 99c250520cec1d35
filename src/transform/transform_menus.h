// Which Transform and Regression menu items a project offers, the text of
// the Undo item and the transformation history shown in the status bar, all
// derived from the project's transformation stack and regression trend.
#pragma once

#include <map>
#include <string>

#include "project/univariate_project.h"

namespace kora {

// Menu commands whose state follows from the transformation stack.
enum TransformMenuCommand : int {
  kCmdDifference = 40044,
  kCmdUndoTransform = 40055,
  kCmdBoxCox = 40056,
  kCmdSubtractMean = 40061,
  kCmdClassical = 40066,
  kCmdSubsequence = 40067,
  kCmdShowClassicalFit = 40115,
  kCmdRegressionSpecify = 40153,
  kCmdLeastSquares = 40156,
  kCmdGeneralizedLeastSquares = 40157,
  kCmdRegressionRemove = 40158,
  kCmdRegressionShowFit = 40159,
};

struct TransformMenuState {
  std::string undoText;
  bool undoEnabled = false;
  std::string history;          // "None", or the step names oldest first joined by "->"
  std::map<int, bool> enabled;  // command id -> enabled, for every command above but Undo
};

TransformMenuState ComputeTransformMenus(const UnivariateProject& project);

}  // namespace kora
