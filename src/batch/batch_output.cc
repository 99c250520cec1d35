#include "batch/batch_output.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace kora {
namespace {

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.12g", value);
  return text;
}

// A field quoted when it holds a comma, a quote or a line end.
std::string Field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::vector<std::string> CoefficientNames(const Recipe& recipe) {
  std::vector<std::string> names;
  switch (recipe.model) {
    case BatchModel::kArma:
      for (int i = 1; i <= recipe.p; ++i) names.push_back("phi_" + std::to_string(i));
      for (int i = 1; i <= recipe.q; ++i) names.push_back("theta_" + std::to_string(i));
      break;
    case BatchModel::kSeasonalHoltWinters:
      names = {"alpha", "beta", "gamma"};
      break;
    case BatchModel::kHoltWinters:
      names = {"alpha", "beta"};
      break;
    case BatchModel::kArar:
      names = {"lag_1", "lag_2", "lag_3", "lag_4", "coef_1", "coef_2", "coef_3", "coef_4", "mean"};
      break;
  }
  return names;
}

constexpr int kTestColumns = 7;  // h and the six statistics

}  // namespace

std::string OutputHeader(const Recipe& recipe) {
  std::string line = "series,status,message";
  for (const std::string& name : CoefficientNames(recipe)) line += "," + name;
  line += ",sigma2,aicc,h,ljung_box,mcleod_li,turning_points,difference_signs,rank_pairs,min_aicc_order";
  for (const char* band : {"forecast_", "lower_", "upper_"})
    for (int h = 1; h <= recipe.horizon; ++h) line += "," + std::string(band) + std::to_string(h);
  return line + "\n";
}

std::string OutputLine(const Recipe& recipe, const std::string& id, const SeriesFit& fit) {
  const size_t coefficients = CoefficientNames(recipe).size();
  std::string line = Field(id) + (fit.error.empty() ? ",ok," : ",error," + Field(fit.error));
  auto add = [&line](const std::string& text) { line += "," + text; };
  for (size_t i = 0; i < coefficients; ++i)
    add(i < fit.coefficients.size() ? Number(fit.coefficients[i]) : "");
  add(fit.error.empty() ? Number(fit.sigma2) : "");
  add(fit.aicc ? Number(*fit.aicc) : "");
  if (fit.tests) {
    const RandomnessStats& t = *fit.tests;
    for (const std::string& text :
         {std::to_string(t.h), Number(t.ljungBox), Number(t.mcLeodLi), std::to_string(t.turningPoints),
          std::to_string(t.differenceSigns), std::to_string(t.rankPoints), std::to_string(t.minAiccOrder)})
      add(text);
  } else {
    for (int i = 0; i < kTestColumns; ++i) add("");
  }
  for (const std::vector<double>* values : {&fit.forecasts, &fit.lower, &fit.upper})
    for (int h = 0; h < recipe.horizon; ++h)
      add(h < static_cast<int>(values->size()) ? Number((*values)[h]) : "");
  return line + "\n";
}

ResumeState ReadExistingOutput(const std::string& path, const std::string& header) {
  ResumeState state;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec) || std::filesystem::file_size(path, ec) == 0) return state;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  if (!std::getline(in, line) || line + "\n" != header) {
    state.error =
        "output " + path + " was written for another recipe (its heading differs); choose another file";
    return state;
  }
  state.exists = true;
  long long complete = static_cast<long long>(header.size());
  while (std::getline(in, line)) {
    if (in.eof()) break;  // no line end: an interrupted write
    complete += static_cast<long long>(line.size()) + 1;
    // The id is the first field; quoted ids hold no unquoted comma before the end quote.
    std::string id;
    if (!line.empty() && line[0] == '"') {
      for (size_t i = 1; i < line.size(); ++i) {
        if (line[i] == '"' && i + 1 < line.size() && line[i + 1] == '"')
          id += line[i++];
        else if (line[i] == '"')
          break;
        else
          id += line[i];
      }
    } else {
      id = line.substr(0, line.find(','));
    }
    state.done.insert(id);
  }
  in.close();
  std::filesystem::resize_file(path, static_cast<uintmax_t>(complete), ec);
  if (ec) state.error = "cannot cut the interrupted last line of " + path + ": " + ec.message();
  return state;
}

}  // namespace kora
