// File > Project: New, Open, Save, Save As, Close, Close All, Rename,
// Minimize, Restore.
#include "app/application.h"
#include "app/command_ids.h"
#include "app/commands.h"
#include "app/data_import.h"
#include "app/multivariate_commands.h"
#include "platform/text.h"
#include "project/file_error.h"
#include "project/project_fingerprint.h"
#include "project/project_file.h"
#include "project/project_views.h"
#include "project/window_titles.h"

namespace kora {

namespace {

constexpr int kUnivariateChoice = 1001;
constexpr int kMultivariateChoice = 1002;
constexpr int kNameField = 1010;

class NewProjectDialog : public platform::Dialog {
 public:
  NewProjectDialog() : Dialog("Create New Project ") {
    Add(platform::GroupBox(1000, "Project type"));
    Add(platform::RadioButton(kUnivariateChoice, "Univariate", 1, true));
    Add(platform::RadioButton(kMultivariateChoice, "Multivariate", 1, false));
    Add(platform::PushButton(platform::kIdOk, "OK"));
    Add(platform::PushButton(platform::kIdCancel, "Cancel"));
  }
  bool multivariate() const { return Find(kMultivariateChoice)->checked; }
};

class RenameDialog : public platform::Dialog {
 public:
  explicit RenameDialog(const std::string& name) : Dialog("Name Tarn Project") {
    Add(platform::EditField(kNameField, "Project Name:", name.substr(0, 255)));
    Add(platform::PushButton(platform::kIdOk, "OK"));
    Add(platform::PushButton(platform::kIdCancel, "Cancel"));
  }
  void OnChange(int id) override {
    auto& text = At(kNameField).text;
    if (text.size() > 255) text.resize(255);
  }
  // A project without a name would leave its windows without titles.
  void OnCommand(int id) override {
    if (id == platform::kIdOk && name().empty()) {
      platform->Message("KORA::Error", kEmptyProjectNameText);
      SetFocus(kNameField);
      return;
    }
    Dialog::OnCommand(id);
  }
  std::string name() const { return std::string(TrimRight(Find(kNameField)->text)); }
};

// The lowest free slot, or 0 after telling the user that all are taken.
int FindFreeSlot(Application& app) {
  int slot = app.registry.LowestFreeSlot();
  if (slot == 0) app.ui.Message("KORA::Error", "Maximum allowable projects exceeded");
  return slot;
}

// Asks the kind and makes the project; the new slot, or 0 when none was made.
int NewProject(Application& app) {
  int slot = FindFreeSlot(app);
  if (slot == 0) return 0;
  NewProjectDialog dialog;
  if (app.ui.RunDialog(dialog) != platform::kIdOk) return 0;
  RegistrySlot& entry = app.registry[slot];
  if (dialog.multivariate()) {
    entry.kind = kMultivariate;
    entry.multivariate = NewMultivariateProject(app.ui, slot);
  } else {
    entry.kind = kUnivariate;
    entry.univariate = NewUnivariateProject(app.ui, slot);
  }
  // The new main window becomes the active one, and with it the project current.
  app.ui.Activate(entry.kind == kUnivariate ? entry.univariate->plots[kMainPlot].window
                                            : entry.multivariate->mainWindow.window);
  app.MakeCurrent(slot);
  return slot;
}

void CloseSlot(Application& app, int slot) {
  RegistrySlot& entry = app.registry[slot];
  if (entry.kind == kUnivariate) ReleaseProject(app.ui, *entry.univariate);
  if (entry.kind == kMultivariate) ReleaseMultivariateProject(app.ui, *entry.multivariate);
  entry.kind = kNoProject;
  entry.univariate.reset();
  entry.multivariate.reset();
}

// Whether the file was written; a failure has been shown.
bool WriteProjectTo(Application& app, UnivariateProject& project, const std::string& path) {
  auto error = WriteProjectFile(path, project, Colours());
  if (error) app.ui.Message(error->caption, error->text);
  else MarkSaved(project);
  return !error;
}

// Makes the slot current (0: none) with its frontmost window active, so that
// the highlighted window and the current project agree.
void ShowProject(Application& app, int slot) {
  for (WindowId id : app.ui.ZOrder()) {
    if (app.ui.Window(id)->ownerSlot == slot) {
      app.ui.Activate(id);
      break;
    }
  }
  app.current = slot;
  app.UpdateFrame();
}

bool SaveProjectAs(Application& app, UnivariateProject& project);

bool SaveProject(Application& app, UnivariateProject& project) {
  return project.hasProjectFile ? WriteProjectTo(app, project, project.projectFile) : SaveProjectAs(app, project);
}

// Before a project closes: one with changes its file does not hold is offered
// to be saved. False when the user cancels, or the save did not happen.
bool OfferToSave(Application& app, int slot) {
  RegistrySlot& entry = app.registry[slot];
  // Multivariate projects have no project file to save to.
  if (entry.kind != kUnivariate || !HasUnsavedChanges(*entry.univariate)) return true;
  UnivariateProject& project = *entry.univariate;
  switch (app.ui.AskYesNoCancel("KORA", "Save changes to " + ProjectName(app.ui, project) + " ?")) {
    case platform::Answer::Yes:
      return SaveProject(app, project);
    case platform::Answer::No:
      return true;
    case platform::Answer::Cancel:
      break;
  }
  return false;
}

}  // namespace

void NewProjectCommand(Application& app) {
  int slot = NewProject(app);
  // A cancelled or refused New leaves no project current.
  app.current = slot;
  if (slot != 0) app.UpdateFrame();
}

void OpenProjectCommand(Application& app) {
  const int before = app.current;
  int slot = NewProject(app);
  app.current = slot;
  if (slot == 0) return;
  RegistrySlot& entry = app.registry[slot];
  const bool chosen = entry.kind == kUnivariate ? ImportFile(app, *entry.univariate)
                                                : MultivariateImportFile(app, *entry.multivariate);
  if (!chosen) {
    // A cancelled file dialog leaves no empty project behind.
    CloseSlot(app, slot);
    return ShowProject(app, before);
  }
  if (entry.kind == kUnivariate) {
    ShowPlotInfo(app.ui, *entry.univariate, kMainPlot);
    app.ui.Activate(entry.univariate->plots[kMainPlot].window);
  }
  app.UpdateFrame();
}

namespace {

// Asks a file name, then saves; false when cancelled or the write failed.
bool SaveProjectAs(Application& app, UnivariateProject& project) {
  platform::FileDialogOptions options;
  options.save = true;
  options.title = "Save KORA file";
  options.initialName = "*.kra";
  options.filters = {{"KORA Files (*.KRA)", "*.KRA"}, {"All Files (*.*)", "*.*"}};
  options.defaultExtension = "KRA";
  options.overwritePrompt = true;
  auto path = app.ui.ChooseFile(options);
  if (!path) return false;
  // The project takes the new name only once the file is written: a failed
  // Save As keeps the old name, its windows' titles and the old file.
  if (!WriteProjectTo(app, project, *path)) return false;
  project.projectFile = *path;
  project.hasProjectFile = true;
  app.ui.SetTitle(project.plots[kMainPlot].window, std::string(TrimRight(*path)));
  RetitleProjectWindows(app.ui, project);
  app.UpdateStatus();
  return true;
}

}  // namespace

void SaveProjectAsCommand(Application& app) {
  if (UnivariateProject* project = app.CurrentUnivariate()) SaveProjectAs(app, *project);
}

void SaveProjectCommand(Application& app) {
  // Multivariate projects are not saved.
  if (UnivariateProject* project = app.CurrentUnivariate()) SaveProject(app, *project);
}

void CloseProjectCommand(Application& app) {
  if (!app.ui.Ask("KORA", "Close current project ?") || !OfferToSave(app, app.current)) return;
  CloseSlot(app, app.current);
  ShowProject(app, app.registry.HighestSlot());
}

void CloseAllCommand(Application& app) {
  if (!app.ui.Ask("KORA", "Close all projects ?")) return;
  for (int slot = 1; slot <= kSlotCount; ++slot)
    if (!OfferToSave(app, slot)) return;
  for (int slot = 1; slot <= kSlotCount; ++slot) CloseSlot(app, slot);
  app.current = 0;
  app.UpdateFrame();
}

void RenameProjectCommand(Application& app) {
  UnivariateProject* project = app.CurrentUnivariate();
  if (!project || !app.ui.Exists(project->plots[kMainPlot].window)) return;
  RenameDialog dialog(ProjectName(app.ui, *project));
  if (app.ui.RunDialog(dialog) != platform::kIdOk) return;
  app.ui.SetTitle(project->plots[kMainPlot].window, dialog.name());
  RetitleProjectWindows(app.ui, *project);
  app.UpdateStatus();
}

void MinimizeProjectCommand(Application& app) {
  if (UnivariateProject* project = app.CurrentUnivariate())
    for (WindowId w : ProjectWindows(*project)) app.ui.Minimize(w);
}

void RestoreProjectCommand(Application& app) {
  if (UnivariateProject* project = app.CurrentUnivariate())
    for (WindowId w : ProjectWindows(*project)) app.ui.Restore(w);
}

}  // namespace kora
