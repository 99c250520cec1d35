#include "app/application.h"

#include <algorithm>

#include "app/command_ids.h"
#include "app/commands.h"
#include "app/multivariate_menus.h"
#include "project/project_fingerprint.h"
#include "project/project_views.h"
#include "transform/transform_menus.h"

namespace kora {

using platform::EventType;

Application::Application(Platform& ui)
    : ui(ui), tarnMenu(BuildTarnMenu()), mvMenu(BuildMvMenu()), toolbar(FixedToolbar()) {
  ui.SetFrameHandler(this);
}

UnivariateProject* Application::CurrentUnivariate() {
  if (current < 1 || registry[current].kind != kUnivariate) return nullptr;
  return registry[current].univariate.get();
}

MultivariateProject* Application::CurrentMultivariate() {
  if (current < 1 || registry[current].kind != kMultivariate) return nullptr;
  return registry[current].multivariate.get();
}

WindowId Application::ActiveChild() const { return ui.Focused(); }

Application::PlotRef Application::FindPlot(WindowId window) {
  const platform::ChildWindow* w = ui.Window(window);
  if (!w || w->kind != platform::kPlotWindow) return {};
  const int slot = w->ownerSlot;
  if (slot < 1 || slot > kSlotCount) return {};
  if (registry[slot].kind == kUnivariate) {
    UnivariateProject& project = *registry[slot].univariate;
    int plotSlot = PlotSlotOfWindow(project, window);
    if (plotSlot >= 0) return {&project.plots[plotSlot], &project, plotSlot};
  }
  if (registry[slot].kind == kMultivariate) {
    MultivariateProject& project = *registry[slot].multivariate;
    if (project.mainWindow.window == window) return {&project.mainWindow, nullptr, 0};
    for (auto& plot : project.seriesWindows)
      if (plot.window == window) return {&plot, nullptr, 0};
  }
  return {};
}

namespace {

// Whether an entry with the id can be chosen: it and every popup above it are enabled.
bool ReachableIn(const std::vector<MenuItem>& items, int id) {
  for (const auto& item : items) {
    if (!item.enabled) continue;
    if (item.id == id) return true;
    if (item.IsPopup() && ReachableIn(item.children, id)) return true;
  }
  return false;
}

}  // namespace

bool Application::Reachable(int command) const {
  for (const auto& button : toolbar)
    if (button.command == command) return true;  // toolbar buttons are never greyed
  return ReachableIn(shownMenuBar().popups, command);
}

void Application::Dispatch(int command) {
  const CommandEntry* entry = FindCommand(command);
  if (!entry) return;  // left to the default procedure: nothing happens
  switch (entry->needs) {
    case Needs::kNothing:
      break;
    case Needs::kProject:
      if (current == 0) return;
      break;
    case Needs::kUnivariate:
      if (!CurrentUnivariate()) return;
      break;
    case Needs::kMultivariate:
      if (!CurrentMultivariate()) return;
      break;
  }
  const WindowId newestBefore = ui.NewestWindow();
  const unsigned activationsBefore = ui.activations();
  entry->run(*this);
  // A window the command opened but left inactive (a report written for the
  // first time) becomes the active one, as every new window does.
  if (ui.activations() == activationsBefore && ui.NewestWindow() > newestBefore) ui.Activate(ui.NewestWindow());
  anyUnsaved = false;
  for (int slot = 1; slot <= kSlotCount; ++slot)
    if (registry[slot].kind == kUnivariate) anyUnsaved = anyUnsaved || HasUnsavedChanges(*registry[slot].univariate);
}

void Application::MakeCurrent(int slot) {
  if (slot == current) {
    UpdateStatus();
    return;
  }
  current = slot;
  UpdateMenus();
  UpdateToolbar();
  UpdateStatus();
}

void Application::OnWindowActivated(const platform::ChildWindow& window) {
  // Activating any window of a project makes that project current. (A project
  // can be made current so also after a refused New left none current.)
  const int slot = window.ownerSlot;
  if (slot >= 1 && slot <= kSlotCount && slot != current && registry[slot].kind != kNoProject) MakeCurrent(slot);
}

void Application::UpdateMenus() {
  if (current == 0 || registry[current].kind == kNoProject) {
    // The shown bar stays; in the univariate bar the project entries are greyed.
    tarnMenu.Enable(cmd::kImportFile, false);
    for (int p = kTarnTransform; p <= kTarnSpectrum; ++p) tarnMenu.EnablePopup(p, false);
    FrameChanged();
    return;
  }
  if (registry[current].kind == kMultivariate) {
    shownMenu = kShowMvMenu;
    UpdateMultivariateMenu(mvMenu, *registry[current].multivariate);
    FrameChanged();
    return;
  }
  shownMenu = kShowTarnMenu;
  UnivariateProject& project = *registry[current].univariate;
  const bool data = project.HasData();
  MenuBar& m = tarnMenu;
  m.Enable(cmd::kPrint, data);
  m.Enable(cmd::kExport, data);
  m.Enable(cmd::kImportFile, true);
  m.Enable(cmd::kImportClipboard, true);
  m.EnablePopup(kTarnTransform, data);
  m.EnablePopup(kTarnModel, true);
  for (int id : {cmd::kSpecifyModel, cmd::kSimulate, cmd::kArmaInfinity}) m.Enable(id, true);
  for (int id : {cmd::kPreliminary, cmd::kMaxLikelihood, cmd::kAutofit, cmd::kSampleModelAcf}) m.Enable(id, data);
  for (int p : {kTarnRegression, kTarnStatistics, kTarnForecasting}) m.EnablePopup(p, data);
  m.EnablePopup(kTarnSmooth, true);
  m.EnablePopup(kTarnSpectrum, true);
  for (int id : {cmd::kPeriodogram, cmd::kModelAndPeriodogram, cmd::kSmoothedPeriodogram, cmd::kFisherTest})
    m.Enable(id, data);
  if (MenuItem* cumulative = m.FindPopup({"Spectrum", "Cumulative Spectrum"})) cumulative->enabled = data;
  const bool spectrumShown =
      PlotOpen(ui, project, kSpectrumPlot) || PlotOpen(ui, project, kCumulativeSpectrumPlot);
  m.Enable(cmd::kLogSpectrum, data && spectrumShown);
  m.Check(cmd::kLogSpectrum, project.logSpectrum);
  m.EnablePopup(kTarnPlot, true);

  // The transformation list decides the Transform and Regression entries and the Undo text.
  TransformMenuState transforms = ComputeTransformMenus(project);
  for (const auto& [id, enabled] : transforms.enabled) m.Enable(id, enabled);
  m.SetText(cmd::kUndo, transforms.undoText);
  m.Enable(cmd::kUndo, transforms.undoEnabled);
  project.transformSummary = project.transforms.empty() ? std::string() : transforms.history;
  FrameChanged();
}

void Application::UpdateToolbar() {
  toolbar = FixedToolbar();
  if (current != 0 && registry[current].kind == kUnivariate) {
    auto tail = UnivariateToolbarTail();
    toolbar.insert(toolbar.end(), tail.begin(), tail.end());
  } else if (current != 0 && registry[current].kind == kMultivariate) {
    auto tail = MultivariateToolbarTail();
    toolbar.insert(toolbar.end(), tail.begin(), tail.end());
  }
  FrameChanged();
}

void Application::UpdateStatus() {
  if (current == 0 || registry[current].kind == kNoProject) {
    status = {"No project open", " ", " "};
  } else if (registry[current].kind == kUnivariate) {
    UnivariateProject& project = *registry[current].univariate;
    status[0] = ProjectName(ui, project);
    status[1] = project.transformSummary.empty() ? "None" : project.transformSummary;
    status[2] = project.iterationCount >= 1 ? "Iteration  " + std::to_string(project.iterationCount) : " ";
  } else {
    const MultivariateProject& project = *registry[current].multivariate;
    status = {ui.Title(project.mainWindow.window), " ", " "};
  }
  FrameChanged();
}

void Application::UpdateFrame() {
  UpdateMenus();
  UpdateToolbar();
  UpdateStatus();
}

void Application::FrameChanged() {
  if (onFrameChanged) onFrameChanged();
}

WindowId Application::FindWindowByTitle(const std::string& title, int rank) const {
  std::vector<WindowId> exact, partial;
  for (const platform::ChildWindow* w : ui.Windows()) {
    if (w->title == title)
      exact.push_back(w->id);
    else if (w->title.find(title) != std::string::npos)
      partial.push_back(w->id);
  }
  rank = std::max(rank, 1);
  if (!exact.empty()) return rank <= static_cast<int>(exact.size()) ? exact[rank - 1] : 0;
  return partial.size() == 1 && rank == 1 ? partial.front() : 0;
}

void Application::OnFrameEvent(const UserEvent& event) {
  switch (event.type) {
    case EventType::Command:
      // A greyed entry cannot be chosen: its command is refused, as an unknown one is.
      if (!Reachable(event.number)) {
        const std::string id = std::to_string(event.number);
        ui.source().Reject(event, FindCommand(event.number) ? "command " + id + " is greyed or not on the menu bar"
                                                            : "no command " + id);
        return;
      }
      Dispatch(event.number);
      return;
    case EventType::Activate:
    case EventType::CloseWindow:
    case EventType::MinimizeWindow:
    case EventType::RestoreWindow:
    case EventType::ResizeWindow:
    case EventType::MoveWindow:
    case EventType::MaximizeWindow:
    case EventType::MouseDown:
    case EventType::MouseMove:
    case EventType::MouseUp:
      HandleWindowEvent(event);
      return;
    case EventType::SetClipboard:
      ui.SetClipboardText(event.text);
      return;
    case EventType::PictureData:
      WritePictureData(event);
      return;
    case EventType::ClientSize:
      ui.SetClientSize(event.width, event.height);
      if (event.x >= 0 && event.y >= 0) ui.SetFrameSize(event.x, event.y);
      return;
    default:
      HandleInspection(event);
      return;
  }
}

void Application::HandleWindowEvent(const UserEvent& event) {
  const WindowId id = event.window ? event.window : FindWindowByTitle(event.text, event.titleRank);
  const platform::ChildWindow* w = ui.Window(id);
  if (!w) {
    ui.source().Reject(event, "no window \"" + event.text + "\"");
    return;
  }
  switch (event.type) {
    case EventType::Activate:
      ui.Activate(id);
      return;
    case EventType::MinimizeWindow:
      ui.Minimize(id);
      return;
    case EventType::RestoreWindow:
      ui.Restore(id);
      return;
    case EventType::ResizeWindow:
      ui.MoveWindow(id, w->x, w->y, event.x, event.y);
      return;
    case EventType::MoveWindow:
      ui.MoveWindow(id, event.x, event.y, event.width, event.height);
      return;
    case EventType::MaximizeWindow:
      ui.Maximize(id);
      return;
    case EventType::CloseWindow: {
      PlotRef ref = FindPlot(id);
      if (ref.plot && ref.plot->plotKind == 0) {
        // Closing a project's main plot closes the project, after the question.
        ui.Activate(id);
        Dispatch(cmd::kCloseProject);
      } else if (ref.plot && ref.project) {
        ClosePlotWindow(ui, *ref.plot);
      } else {
        ui.DestroyWindow(id);
      }
      return;
    }
    default:
      HandleMouse(event);
      return;
  }
}

}  // namespace kora
