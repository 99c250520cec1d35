#include "transform/transform_menus.h"

#include <gtest/gtest.h>

#include "transform/transform_ops.h"
#include "reference_data.h"

namespace kora {
namespace {

using testing::ImportedProject;

// The five transformation items in the order Box-Cox, Classical, Subtract
// Mean, Difference, Subsequence.
std::vector<bool> TransformItems(const TransformMenuState& state) {
  return {state.enabled.at(kCmdBoxCox), state.enabled.at(kCmdClassical), state.enabled.at(kCmdSubtractMean),
          state.enabled.at(kCmdDifference), state.enabled.at(kCmdSubsequence)};
}

std::vector<bool> RegressionItems(const TransformMenuState& state) {
  return {state.enabled.at(kCmdRegressionSpecify), state.enabled.at(kCmdLeastSquares),
          state.enabled.at(kCmdGeneralizedLeastSquares), state.enabled.at(kCmdRegressionRemove),
          state.enabled.at(kCmdRegressionShowFit)};
}

UnivariateProject Ramp(int n) {
  std::vector<double> x(n);
  for (int t = 0; t < n; ++t) x[t] = 10.0 + t % 7 + 0.5 * t;
  return ImportedProject(x);
}

TEST(TransformMenus, UntransformedProjectOffersEverything) {
  const TransformMenuState state = ComputeTransformMenus(Ramp(30));
  EXPECT_EQ(state.undoText, "Undo");
  EXPECT_FALSE(state.undoEnabled);
  EXPECT_EQ(state.history, "None");
  EXPECT_EQ(TransformItems(state), std::vector<bool>(5, true));
  EXPECT_EQ(RegressionItems(state), (std::vector<bool>{true, false, false, false, false}));
  EXPECT_FALSE(state.enabled.at(kCmdShowClassicalFit));
}

TEST(TransformMenus, StackDecidesTheAllowedNextSteps) {
  UnivariateProject project = Ramp(60);
  ASSERT_TRUE(PushBoxCox(project, 1.5));
  TransformMenuState state = ComputeTransformMenus(project);
  EXPECT_EQ(state.undoText, "Undo Box-Cox(1.50)");
  EXPECT_TRUE(state.undoEnabled);
  EXPECT_EQ(state.history, "Box-Cox");
  EXPECT_EQ(TransformItems(state), (std::vector<bool>{false, true, true, true, true}));

  ASSERT_TRUE(PushDifference(project, 12));
  state = ComputeTransformMenus(project);
  EXPECT_EQ(state.undoText, "Undo Differencing(12)");
  EXPECT_EQ(TransformItems(state), (std::vector<bool>{false, false, true, true, true}));

  ASSERT_TRUE(PushSubtractMean(project));
  state = ComputeTransformMenus(project);
  EXPECT_EQ(state.history, "Box-Cox->Difference->Subtract Mean");
  EXPECT_EQ(state.undoText, "Undo Subtract Mean");
  EXPECT_EQ(TransformItems(state), (std::vector<bool>{false, false, false, false, true}));

  ASSERT_TRUE(PushSubsequence(project, project.firstIndex + 1, project.lastIndex));
  state = ComputeTransformMenus(project);
  EXPECT_EQ(state.history, "Box-Cox->Difference->Subtract Mean->Subsequence");
  EXPECT_EQ(state.undoText, "Undo Trimming");
  EXPECT_EQ(TransformItems(state), std::vector<bool>(5, false));
  EXPECT_FALSE(state.enabled.at(kCmdShowClassicalFit));

  // Undoing brings the earlier offers back.
  ASSERT_TRUE(UndoTopStep(project));
  ASSERT_TRUE(UndoTopStep(project));
  state = ComputeTransformMenus(project);
  EXPECT_EQ(state.undoText, "Undo Differencing(12)");
  EXPECT_EQ(state.history, "Box-Cox->Difference");
  EXPECT_EQ(TransformItems(state), (std::vector<bool>{false, false, true, true, true}));
}

TEST(TransformMenus, ClassicalStepOffersItsFit) {
  UnivariateProject project = Ramp(40);
  for (int kind : {kClassicalSeasonal, kClassicalHarmonic}) {
    project.transforms.clear();
    TransformStep classical;
    classical.kind = kind;
    project.transforms.push_back(classical);
    const TransformMenuState state = ComputeTransformMenus(project);
    EXPECT_EQ(state.undoText, "Undo Classical");
    EXPECT_EQ(state.history, "Classical");
    EXPECT_EQ(TransformItems(state), (std::vector<bool>{false, false, true, false, true}));
    EXPECT_TRUE(state.enabled.at(kCmdShowClassicalFit));
  }
}

TEST(TransformMenus, RegressionTrendLocksTransformations) {
  UnivariateProject project = Ramp(40);
  ASSERT_TRUE(PushDifference(project, 1));
  project.trend.trendSpecified = true;
  TransformMenuState state = ComputeTransformMenus(project);
  EXPECT_EQ(RegressionItems(state), (std::vector<bool>{false, true, true, false, false}));
  EXPECT_EQ(TransformItems(state), (std::vector<bool>{false, false, true, true, true}));

  project.trend.estimationState = 1;
  state = ComputeTransformMenus(project);
  EXPECT_EQ(RegressionItems(state), (std::vector<bool>{false, true, true, true, true}));
  EXPECT_EQ(TransformItems(state), std::vector<bool>(5, false));
  // Undo itself stays offered; the command explains why it refuses.
  EXPECT_TRUE(state.undoEnabled);
}

}  // namespace
}  // namespace kora
