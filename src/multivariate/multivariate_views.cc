#include "multivariate/multivariate_views.h"

#include "multivariate/var_report.h"
#include "report/number_format.h"

namespace kora {

namespace {

std::string SeriesTitle(int k) { return "Series " + FormatInteger(k); }

void CloseWindows(Platform& ui, std::vector<PlotWindow>& plots) {
  for (PlotWindow& plot : plots) {
    if (ui.Exists(plot.infoWindow)) ui.DestroyWindow(plot.infoWindow);
    if (ui.Exists(plot.window)) ui.DestroyWindow(plot.window);
  }
  plots.clear();
}

PlotWindow NewPlot(Platform& ui, const std::string& title, int slot) {
  PlotWindow plot;
  InitPlot(plot);
  plot.plotKind = 1;
  plot.ownerSlot = slot;
  plot.window = ui.CreateWindow(platform::kPlotWindow, title, slot);
  return plot;
}

void DrawMain(Platform& ui, MultivariateProject& project) {
  PlotWindow& plot = project.mainWindow;
  ClearPlotData(plot);
  if (project.HasData()) {
    for (int j = 0; j < project.data.m && j < kMaxCurves; ++j)
      SetCurve(plot, j + 1, project.data.values[j], project.data.firstTime, project.data.lastTime);
  } else {
    plot.curves[0].curveKind = kCurveNoData;
    plot.curves[0].used = true;
    ComputeLimits(plot);
  }
  ui.Invalidate(plot.window);
}

}  // namespace

std::string MultivariateName(const Platform& ui, const MultivariateProject& project) {
  return ui.Title(project.mainWindow.window);
}

void InstallMultivariateData(Platform& ui, MultivariateProject& project,
                             std::vector<std::vector<double>> table) {
  MultivariateData& data = project.data;
  data.m = static_cast<int>(table.size());
  data.n = data.m > 0 ? static_cast<int>(table[0].size()) : 0;
  data.values = std::move(table);
  data.firstTime = data.n > 0 ? 1 : 0;
  data.lastTime = data.n;
  data.mu.clear();
  project.transforms.clear();
  const MultivariateArModel old = project.model;
  project.model = MultivariateArModel{};
  project.model.mvForecastCount = old.mvForecastCount;
  CloseWindows(ui, project.seriesWindows);
  CloseWindows(ui, project.forecastWindows);
  CloseWindows(ui, project.crossAcfWindows);
  for (int k = 1; k <= data.m && data.n > 0; ++k)
    project.seriesWindows.push_back(NewPlot(ui, SeriesTitle(k), project.mainWindow.ownerSlot));
  RefreshMultivariateViews(ui, project);
  ui.Activate(project.mainWindow.window);
}

void RefreshMultivariateViews(Platform& ui, MultivariateProject& project) {
  DrawMain(ui, project);
  for (size_t j = 0; j < project.seriesWindows.size() && j < project.data.values.size(); ++j) {
    PlotWindow& plot = project.seriesWindows[j];
    if (!ui.Exists(plot.window)) continue;
    ClearPlotData(plot);
    SetCurve(plot, 1, project.data.values[j], project.data.firstTime, project.data.lastTime);
    ui.Invalidate(plot.window);
  }
  WindowId info = project.mainWindow.infoWindow;
  if (ui.Exists(info)) {
    ui.SetTitle(info, "INFO: " + MultivariateName(ui, project));
    ui.SetText(info, MultivariateInfoText(project));
  }
}

void ShowMultivariateInfo(Platform& ui, MultivariateProject& project) {
  WindowId& info = project.mainWindow.infoWindow;
  if (ui.Exists(info)) {
    ui.Restore(info);
    ui.Activate(info);
    return;
  }
  info = ui.CreateWindow(platform::kReportWindow, "INFO", project.mainWindow.ownerSlot);
  ui.Activate(info);
  RefreshMultivariateViews(ui, project);
}

void WriteMultivariateReport(Platform& ui, MultivariateProject& project, WindowId& window,
                             const std::string& prefix, const std::string& text) {
  const std::string title = prefix + MultivariateName(ui, project);
  if (!ui.Exists(window))
    window = ui.CreateWindow(platform::kReportWindow, title, project.mainWindow.ownerSlot);
  ui.SetTitle(window, title);
  ui.SetText(window, text);
  ui.Activate(window);
}

void DrawVarForecasts(Platform& ui, MultivariateProject& project) {
  const MultivariateArModel& model = project.model;
  const int m = static_cast<int>(model.mvForecast.size());
  if (static_cast<int>(project.forecastWindows.size()) != m) CloseWindows(ui, project.forecastWindows);
  const int first = project.data.firstTime, endpoint = model.mvEndpoint;
  for (int k = 0; k < m; ++k) {
    if (static_cast<int>(project.forecastWindows.size()) <= k)
      project.forecastWindows.push_back(
          NewPlot(ui, "AR Forecast: " + SeriesTitle(k + 1), project.mainWindow.ownerSlot));
    PlotWindow& plot = project.forecastWindows[k];
    if (!ui.Exists(plot.window)) plot = NewPlot(ui, "AR Forecast: " + SeriesTitle(k + 1), plot.ownerSlot);
    ClearPlotData(plot);
    const std::vector<double>& all = model.mvForecast[k];
    SetCurve(plot, 1, std::vector<double>(all.begin(), all.begin() + endpoint), first, first + endpoint - 1);
    SetCurve(plot, 2, std::vector<double>(all.begin() + endpoint, all.end()), first + endpoint,
             first + static_cast<int>(all.size()) - 1);
    ComputeLimits(plot);
    ui.Invalidate(plot.window);
  }
}

void DrawCrossCorrelations(Platform& ui, MultivariateProject& project,
                           const std::vector<std::vector<std::vector<double>>>& rho, int lags) {
  const int m = static_cast<int>(rho.size());
  if (static_cast<int>(project.crossAcfWindows.size()) != m) CloseWindows(ui, project.crossAcfWindows);
  std::vector<double> h;
  for (int k = -lags; k <= lags; ++k) h.push_back(k);
  for (int i = 0; i < m; ++i) {
    const std::string title = "Cross-ACF: " + SeriesTitle(i + 1);
    if (static_cast<int>(project.crossAcfWindows.size()) <= i)
      project.crossAcfWindows.push_back(NewPlot(ui, title, project.mainWindow.ownerSlot));
    PlotWindow& plot = project.crossAcfWindows[i];
    if (!ui.Exists(plot.window)) plot = NewPlot(ui, title, plot.ownerSlot);
    ClearPlotData(plot);
    for (int j = 0; j < m && j < kMaxCurves; ++j) {
      SetCurvePoints(plot, j + 1, kCurveStems, h, rho[i][j]);
      SetCurvePanel(plot, j + 1, j + 1);
      plot.curves[j].boundCount = project.data.n;
      SetPanelTitle(plot, j + 1, SeriesTitle(i + 1) + " & " + SeriesTitle(j + 1));
    }
    ComputeLimits(plot);
    ui.Invalidate(plot.window);
  }
}

}  // namespace kora
