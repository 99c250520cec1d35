// The record of a multivariate project: m series observed at n common times,
// the transformations applied to them, the fitted vector autoregression and
// the project's windows.
#pragma once

#include <memory>
#include <vector>

#include "multivariate/multivariate_transforms.h"
#include "multivariate/var_model.h"
#include "platform/platform.h"
#include "plot/plot_window.h"

namespace kora {

struct MultivariateData {
  std::vector<std::vector<double>> values;  // values[j] is series j+1, n values each
  int n = 0;
  int m = 0;
  int firstTime = 0, lastTime = 0;  // time index of the first and last row
  std::vector<double> mu;           // the series means of the last fit
};

struct MultivariateProject {
  MultivariateData data;
  MultivariateArModel model;
  std::vector<MultivariateTransformStep> transforms;  // oldest first: back() is undone next
  PlotWindow mainWindow;                              // titled with the project's name; its INFO window
  std::vector<PlotWindow> seriesWindows;              // seriesWindows[j]: "Series j+1"
  std::vector<PlotWindow> forecastWindows;            // forecastWindows[j]: the AR forecast of series j+1
  WindowId estimatesWindow = 0;                       // report of the last Yule-Walker or Burg fit
  WindowId forecastReportWindow = 0;                  // report of the last AR forecast
  std::vector<PlotWindow> crossAcfWindows;            // crossAcfWindows[i]: series i+1 against every series
  WindowId crossAcfReportWindow = 0;
  int crossAcfLags = 20;
  int simulationCount = 0;  // observations of the last simulation (0: as many as the data)
  int simulationSeed = 1234;
  bool HasData() const { return data.n > 0 && data.m > 0; }
  // A fitted model of the present series (a series moved in or out since
  // the fit leaves the model without use).
  bool HasModel() const { return model.fitted && static_cast<int>(model.phi0.size()) == data.m && HasData(); }
};

// A new, empty multivariate project with its main window.
std::unique_ptr<MultivariateProject> NewMultivariateProject(platform::Platform& ui, int slot);
void ReleaseMultivariateProject(platform::Platform& ui, MultivariateProject& project);

}  // namespace kora
