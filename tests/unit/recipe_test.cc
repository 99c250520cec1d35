#include "batch/recipe.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

TEST(Recipe, ReadsEveryKeyAndNamesWhatItCannotUse) {
  const RecipeResult full = ParseRecipe(
      R"({"box_cox": 0, "differences": [12, 1], "mean_correction": true, "model": "arma", "p": 0, "q": 13,
          "horizon": 24})");
  ASSERT_TRUE(full.recipe) << full.error;
  EXPECT_EQ(full.recipe->boxCoxLambda, 0.0);
  EXPECT_EQ(full.recipe->differences, (std::vector<int>{12, 1}));
  EXPECT_TRUE(full.recipe->meanCorrection);
  EXPECT_EQ(full.recipe->q, 13);
  EXPECT_EQ(full.recipe->horizon, 24);
  const RecipeResult seasonal = ParseRecipe(R"({"model": "seasonal-holt-winters", "period": 4})");
  ASSERT_TRUE(seasonal.recipe);
  EXPECT_EQ(seasonal.recipe->model, BatchModel::kSeasonalHoltWinters);

  const std::pair<const char*, const char*> faults[] = {
      {R"({"model": "arma", "p": 1, "lamda": 0})", "unknown key \"lamda\""},
      {R"({"model": "autofit"})", "\"autofit\" (automatic order selection) is not available"},
      {R"({"p": 1})", "\"model\" is missing"},
      {R"({"model": "arma"})", "needs \"p\" or \"q\""},
      {R"({"model": "arma", "p": 1.5})", "\"p\" must be a whole number"},
      {R"({"model": "arma", "p": 1, "differences": [0]})", "every lag"},
      {R"({"model": "arar", "mean_correction": true})", "run on the data as given"},
      {R"({"model": "seasonal-holt-winters"})", "needs \"period\""},
      {"[1, 2]", "not a JSON object"},
  };
  for (const auto& [text, message] : faults) {
    const RecipeResult result = ParseRecipe(text);
    EXPECT_FALSE(result.recipe) << text;
    EXPECT_NE(result.error.find(message), std::string::npos) << result.error;
  }
}

}  // namespace
}  // namespace kora
