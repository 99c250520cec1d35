// What `kora batch` does to every series: the transformations, the model and
// the forecast horizon, read from a small JSON file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kora {

enum class BatchModel { kArma, kHoltWinters, kSeasonalHoltWinters, kArar };

struct Recipe {
  std::optional<double> boxCoxLambda;  // Box-Cox first, when given
  std::vector<int> differences;        // then these lags, in order
  bool meanCorrection = false;         // then the mean subtracted
  BatchModel model = BatchModel::kArma;
  int p = 0, q = 0;  // ARMA orders
  int period = 0;    // seasonal Holt-Winters
  int horizon = 12;
};

struct RecipeResult {
  std::optional<Recipe> recipe;
  std::string error;  // the message when the recipe cannot be used
};

// Keys: "box_cox" (lambda), "differences" (lags), "mean_correction" (bool),
// "model" ("arma", "holt-winters", "seasonal-holt-winters", "arar"), "p", "q",
// "period", "horizon". Unknown keys and values out of range are errors.
RecipeResult ParseRecipe(std::string_view text);

}  // namespace kora
