// The windows of a multivariate project and the operations that keep them in
// step with the record.
#pragma once

#include <string>
#include <vector>

#include "multivariate/multivariate_project.h"

namespace kora {

using platform::Platform;

std::string MultivariateName(const Platform& ui, const MultivariateProject& project);

// The table (series by observations) becomes the project's data: transforms
// and model are dropped, one plot window per series is opened.
void InstallMultivariateData(Platform& ui, MultivariateProject& project,
                             std::vector<std::vector<double>> table);

// Redraws the main and series plots and rewrites the INFO report.
void RefreshMultivariateViews(Platform& ui, MultivariateProject& project);

// The Info command on the main window: its INFO window restored and focused,
// or created and written.
void ShowMultivariateInfo(Platform& ui, MultivariateProject& project);

// Writes a stand-alone report window of the project (created when missing),
// titled prefix + name.
void WriteMultivariateReport(Platform& ui, MultivariateProject& project, WindowId& window,
                             const std::string& prefix, const std::string& text);

// The forecast plot of every series: the data up to the endpoint and the forecasts.
void DrawVarForecasts(Platform& ui, MultivariateProject& project);

// One stem plot window per series i ("Cross-ACF: Series i") with a panel per
// series j showing corr(X_i(t+h), X_j(t)), h = -lags..lags, and the bounds
// +-1.96/sqrt(n).
void DrawCrossCorrelations(Platform& ui, MultivariateProject& project,
                           const std::vector<std::vector<std::vector<double>>>& rho, int lags);

}  // namespace kora
