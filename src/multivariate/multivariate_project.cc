#include "multivariate/multivariate_project.h"

#include "project/window_titles.h"

namespace kora {

std::unique_ptr<MultivariateProject> NewMultivariateProject(platform::Platform& ui, int slot) {
  auto project = std::make_unique<MultivariateProject>();
  InitPlot(project->mainWindow);
  project->mainWindow.ownerSlot = slot;
  project->mainWindow.window = ui.CreateWindow(platform::kPlotWindow, kNewMultivariateName, slot);
  return project;
}

void ReleaseMultivariateProject(platform::Platform& ui, MultivariateProject& project) {
  auto close = [&](PlotWindow& plot) {
    if (ui.Exists(plot.infoWindow)) ui.DestroyWindow(plot.infoWindow);
    if (ui.Exists(plot.window)) ui.DestroyWindow(plot.window);
    plot.window = plot.infoWindow = 0;
  };
  for (auto& plot : project.seriesWindows) close(plot);
  for (auto& plot : project.forecastWindows) close(plot);
  for (auto& plot : project.crossAcfWindows) close(plot);
  close(project.mainWindow);
  for (WindowId report :
       {project.estimatesWindow, project.forecastReportWindow, project.crossAcfReportWindow})
    if (ui.Exists(report)) ui.DestroyWindow(report);
  project = MultivariateProject{};
}

}  // namespace kora
