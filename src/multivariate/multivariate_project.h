// The record of a multivariate project: m series observed at n common times.
#pragma once

#include <memory>
#include <vector>

#include "platform/platform.h"
#include "plot/plot_window.h"

namespace kora {

struct MultivariateData {
  std::vector<std::vector<double>> values;  // values[j] is series j+1
  int n = 0;
  int m = 0;
  int firstTime = 0, lastTime = 0;
};

struct MultivariateProject {
  MultivariateData data;
  PlotWindow mainWindow;
  std::vector<PlotWindow> seriesWindows;
  bool HasData() const { return data.n > 0 && data.m > 0; }
};

// A new, empty multivariate project with its main window.
std::unique_ptr<MultivariateProject> NewMultivariateProject(platform::Platform& ui, int slot);
void ReleaseMultivariateProject(platform::Platform& ui, MultivariateProject& project);

}  // namespace kora
