// Shared by the transformation tests: series from the shared data folder and
// a project holding one as freshly imported data.
#pragma once

#include <string>
#include <vector>

#include "project/univariate_project.h"
#include "reference_data.h"

namespace kora::transform_test {

inline std::vector<double> LoadSeries(const std::string& name) { return testing::ReadDataFile(name); }
inline nlohmann::json LoadReference(const std::string& name) { return testing::ReadReferenceFile(name); }

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
