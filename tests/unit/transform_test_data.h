// Shared by the transformation tests: series from the shared data folder and
// a project holding one as freshly imported data.
#pragma once

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "project/univariate_project.h"

namespace kora::transform_test {

inline std::vector<double> LoadSeries(const std::string& name) {
  std::ifstream in(std::string(KORA_SHARED_DIR) + "/data/" + name);
  std::vector<double> values;
  for (double x; in >> x;) values.push_back(x);
  return values;
}

inline nlohmann::json LoadReference(const std::string& name) {
  std::ifstream in(std::string(KORA_SHARED_DIR) + "/reference/" + name);
  return nlohmann::json::parse(in);
}

inline UnivariateProject ImportedProject(std::vector<double> values) {
  UnivariateProject project;
  project.inUse = true;
  project.untransformedSeries = values;
  project.series = std::move(values);
  project.firstIndex = 1;
  project.lastIndex = project.count();
  return project;
}

}  // namespace kora::transform_test
