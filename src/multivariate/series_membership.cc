#include "multivariate/series_membership.h"

#include "multivariate/multivariate_views.h"

namespace kora {

int SeriesLength(const MultivariateProject& project, int k) {
  if (k < 1 || k > project.data.m) return 0;
  return project.data.n;
}

bool AcceptsSeries(const MultivariateProject& project, size_t length) {
  return !project.HasData() || length == static_cast<size_t>(project.data.n);
}

std::vector<double> TakeSeries(platform::Platform& ui, MultivariateProject& project, int k) {
  std::vector<std::vector<double>> table = std::move(project.data.values);
  std::vector<double> values = std::move(table[k - 1]);
  table.erase(table.begin() + (k - 1));
  InstallMultivariateData(ui, project, std::move(table));
  return values;
}

void AddSeries(platform::Platform& ui, MultivariateProject& project, std::vector<double> values) {
  std::vector<std::vector<double>> table;
  if (project.HasData()) table = std::move(project.data.values);
  table.push_back(std::move(values));
  InstallMultivariateData(ui, project, std::move(table));
}

}  // namespace kora
