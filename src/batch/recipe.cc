#include "batch/recipe.h"

#include <nlohmann/json.hpp>
#include <set>

#include "arma/arma_model.h"

namespace kora {
namespace {

using nlohmann::json;

constexpr const char* kKnownKeys = "box_cox, differences, mean_correction, model, p, q, period, horizon";

// The integer value of key, within [lo, hi]; an error message otherwise.
std::optional<std::string> ReadInt(const json& doc, const char* key, int lo, int hi, int& out) {
  if (!doc.contains(key)) return std::nullopt;
  const json& value = doc[key];
  if (!value.is_number_integer() || value.get<long long>() < lo || value.get<long long>() > hi)
    return "recipe: \"" + std::string(key) + "\" must be a whole number from " + std::to_string(lo) + " to " +
           std::to_string(hi);
  out = value.get<int>();
  return std::nullopt;
}

std::optional<std::string> ReadModel(const json& doc, Recipe& recipe) {
  if (!doc.contains("model"))
    return "recipe: \"model\" is missing (arma, holt-winters, seasonal-holt-winters, arar)";
  if (!doc["model"].is_string()) return "recipe: \"model\" must be a string";
  const std::string name = doc["model"].get<std::string>();
  if (name == "arma")
    recipe.model = BatchModel::kArma;
  else if (name == "holt-winters")
    recipe.model = BatchModel::kHoltWinters;
  else if (name == "seasonal-holt-winters")
    recipe.model = BatchModel::kSeasonalHoltWinters;
  else if (name == "arar")
    recipe.model = BatchModel::kArar;
  else if (name == "autofit")
    return "recipe: model \"autofit\" (automatic order selection) is not available yet";
  else
    return "recipe: unknown model \"" + name + "\" (arma, holt-winters, seasonal-holt-winters, arar)";
  return std::nullopt;
}

std::optional<std::string> ReadTransforms(const json& doc, Recipe& recipe) {
  if (doc.contains("box_cox")) {
    if (!doc["box_cox"].is_number() || doc["box_cox"].get<double>() < 0.0 ||
        doc["box_cox"].get<double>() > 1.5)
      return "recipe: \"box_cox\" must be a number from 0 to 1.5";
    recipe.boxCoxLambda = doc["box_cox"].get<double>();
  }
  if (doc.contains("differences")) {
    const json& lags = doc["differences"];
    if (!lags.is_array()) return "recipe: \"differences\" must be a list of lags, such as [12, 1]";
    for (const json& lag : lags) {
      if (!lag.is_number_integer() || lag.get<long long>() < 1 || lag.get<long long>() > 10000)
        return "recipe: every lag in \"differences\" must be a whole number from 1 to 10000";
      recipe.differences.push_back(lag.get<int>());
    }
  }
  if (doc.contains("mean_correction")) {
    if (!doc["mean_correction"].is_boolean()) return "recipe: \"mean_correction\" must be true or false";
    recipe.meanCorrection = doc["mean_correction"].get<bool>();
  }
  const bool transformed = recipe.boxCoxLambda || !recipe.differences.empty() || recipe.meanCorrection;
  if (transformed && recipe.model != BatchModel::kArma)
    return "recipe: Holt-Winters and ARAR run on the data as given; leave out box_cox, differences and "
           "mean_correction";
  return std::nullopt;
}

}  // namespace

RecipeResult ParseRecipe(std::string_view text) {
  const json doc = json::parse(text, nullptr, false);
  if (doc.is_discarded() || !doc.is_object()) return {std::nullopt, "recipe: not a JSON object"};
  for (const auto& item : doc.items()) {
    const std::string& key = item.key();
    static const std::set<std::string> known = {"box_cox", "differences", "mean_correction", "model",
                                                "p",       "q",           "period",          "horizon"};
    if (!known.count(key))
      return {std::nullopt, "recipe: unknown key \"" + key + "\" (known keys: " + kKnownKeys + ")"};
  }
  Recipe recipe;
  std::optional<std::string> error = ReadModel(doc, recipe);
  if (!error) error = ReadTransforms(doc, recipe);
  if (!error) error = ReadInt(doc, "horizon", 1, 1000, recipe.horizon);
  if (!error) error = ReadInt(doc, "p", 0, kMaxCoefficients, recipe.p);
  if (!error) error = ReadInt(doc, "q", 0, kMaxCoefficients, recipe.q);
  if (!error) error = ReadInt(doc, "period", 2, 1000, recipe.period);
  if (!error && recipe.model == BatchModel::kArma && recipe.p + recipe.q == 0)
    error = "recipe: an ARMA model needs \"p\" or \"q\" above 0";
  if (!error && recipe.model == BatchModel::kSeasonalHoltWinters && recipe.period == 0)
    error = "recipe: seasonal Holt-Winters needs \"period\"";
  if (error) return {std::nullopt, *error};
  return {recipe, ""};
}

}  // namespace kora
