// The windows of a univariate project and the operations that keep them in
// step with the record: creation, reset for new data, refresh after every
// change, rename, release.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "project/univariate_project.h"

namespace kora {

using platform::Platform;

// The project's name: the title of its main data plot window.
std::string ProjectName(const Platform& ui, const UnivariateProject& project);

// A new record with its main data plot window, owned by the given slot.
std::unique_ptr<UnivariateProject> NewUnivariateProject(Platform& ui, int slot);

// Opens the plot window of the slot when it is not open, titled as given;
// returns its record. A newly opened window becomes the active one.
PlotWindow& OpenPlot(Platform& ui, UnivariateProject& project, int plotSlot, const std::string& title);
bool PlotOpen(const Platform& ui, const UnivariateProject& project, int plotSlot);
void ClosePlotWindow(Platform& ui, PlotWindow& plot);

// Rewrites the report of a plot when its report window is open.
void WritePlotReport(Platform& ui, UnivariateProject& project, int plotSlot);
// The Info command on a plot: restore and focus its report window, or create
// one and write the report into it.
void ShowPlotInfo(Platform& ui, UnivariateProject& project, int plotSlot);
// Writes a report into a report window, setting its title first.
void WriteReportWindow(Platform& ui, WindowId window, const std::string& title, const std::string& text);
// Writes the report-only window of the slot (ReportSlot), creating it when absent.
void ShowReportOnly(Platform& ui, UnivariateProject& project, int reportSlot, const std::string& text);

void DrawMainPlot(Platform& ui, UnivariateProject& project);
void ResetForNewData(Platform& ui, UnivariateProject& project);
void SetData(Platform& ui, UnivariateProject& project, std::vector<double> values);
void RefreshViews(Platform& ui, UnivariateProject& project, bool dataChanged, bool modelChanged);
void ReleaseProject(Platform& ui, UnivariateProject& project);
// Retitles every open window of the project after its main plot title changed.
void RetitleProjectWindows(Platform& ui, UnivariateProject& project);
// The plot slot of a window of the project, or -1.
int PlotSlotOfWindow(const UnivariateProject& project, WindowId window);
// All windows the project owns (plots, their reports, report-only windows).
std::vector<WindowId> ProjectWindows(const UnivariateProject& project);

}  // namespace kora
