// File > Import File, Import Clipboard and Export.
#include <filesystem>

#include "app/application.h"
#include "app/commands.h"
#include "app/data_import.h"
#include "app/multivariate_commands.h"
#include "platform/text.h"
#include "project/data_file.h"
#include "project/project_fingerprint.h"
#include "project/project_views.h"
#include "project/text_export.h"
#include "project/text_import.h"

namespace kora {

namespace {

std::vector<platform::FileFilter> KoraFilters() {
  return {{"KORA Files (*.KRA)", "*.KRA"}, {"All Files (*.*)", "*.*"}};
}

void Show(Application& app, const std::optional<FileError>& error) {
  if (error) app.ui.Message(error->caption, error->text);
}

// Export dialog controls.
enum ExportControl : int {
  kSeriesChoice = 1201,
  kResidualsChoice,
  kPeriodogramChoice,
  kAcfChoice,
  kPacfChoice,
  kToFile,
  kToClipboard,
};

class ExportDialog : public platform::Dialog {
 public:
  explicit ExportDialog(const UnivariateProject& project) : Dialog("Export to ASCII") {
    const std::pair<int, bool> choices[] = {{kSeriesChoice, project.HasData()},
                                            {kResidualsChoice, !project.residuals.empty()},
                                            {kPeriodogramChoice, !project.periodogram.empty()},
                                            {kAcfChoice, !project.sampleAcf.empty()},
                                            {kPacfChoice, !project.samplePacf.empty()}};
    const char* labels[] = {"Time Series", "Residuals", "Periodogram", "ACF", "PACF"};
    bool preset = false;
    for (int i = 0; i < 5; ++i) {
      auto& c = Add(platform::RadioButton(choices[i].first, labels[i], 1, false));
      c.enabled = choices[i].second;
      // The first array that exists is offered as the choice.
      if (c.enabled && !preset) c.checked = preset = true;
    }
    Add(platform::GroupBox(1200, "To"));
    Add(platform::RadioButton(kToFile, "File", 2, true));
    Add(platform::RadioButton(kToClipboard, "Clipboard", 2, false));
    Add(platform::PushButton(platform::kIdOk, "OK"));
    Add(platform::PushButton(platform::kIdCancel, "Cancel"));
  }

  const std::vector<double>* Selected(const UnivariateProject& project) const {
    if (Find(kSeriesChoice)->checked) return &project.series;
    if (Find(kResidualsChoice)->checked) return &project.residuals;
    if (Find(kPeriodogramChoice)->checked) return &project.periodogram;
    if (Find(kAcfChoice)->checked) return &project.sampleAcf;
    if (Find(kPacfChoice)->checked) return &project.samplePacf;
    return nullptr;
  }
  bool toClipboard() const { return Find(kToClipboard)->checked; }
};

}  // namespace

bool ImportFile(Application& app, UnivariateProject& project) {
  platform::FileDialogOptions options;
  options.title = "Open file";
  options.initialName = "*.kra";
  options.filters = KoraFilters();
  options.mustExist = true;
  auto path = app.ui.ChooseFile(options);
  if (!path) return false;

  DataFile file = ReadDataFile(*path);
  if (!file.Read()) {
    // Nothing readable: the message, and the project stays as it was.
    Show(app, file.error);
    return true;
  }
  project.projectFile = *path;
  project.hasProjectFile = file.savable;
  ResetForNewData(app.ui, project);
  if (file.project) {
    InstallProjectContents(std::move(*file.project), project, Colours());
  } else {
    project.series = *file.values;
    project.untransformedSeries = std::move(*file.values);
    project.firstIndex = project.series.empty() ? 0 : 1;
    project.lastIndex = project.count();
  }
  if (project.hasProjectFile) MarkSaved(project);
  app.ui.SetTitle(project.plots[kMainPlot].window, *path);
  RetitleProjectWindows(app.ui, project);
  RefreshViews(app.ui, project, true, true);
  app.ui.Activate(project.plots[kMainPlot].window);
  return true;
}

void ImportFileCommand(Application& app) {
  if (MultivariateProject* mv = app.CurrentMultivariate()) return MultivariateImportFileCommand(app, *mv);
  UnivariateProject* project = app.CurrentUnivariate();
  if (!project) return;
  if (ImportFile(app, *project)) app.UpdateFrame();
}

void ImportClipboardCommand(Application& app) {
  if (MultivariateProject* mv = app.CurrentMultivariate()) return MultivariateImportClipboardCommand(app, *mv);
  UnivariateProject* project = app.CurrentUnivariate();
  if (!project) return;
  std::optional<std::vector<double>> values;
  if (app.ui.clipboard().text) values = ReadClipboardSeries(*app.ui.clipboard().text);
  if (values) {
    SetData(app.ui, *project, std::move(*values));
  } else {
    app.ui.Message("Import from clipboard", "Clipboard empty");
  }
  app.UpdateFrame();
}

void ExportCommand(Application& app) {
  if (MultivariateProject* mv = app.CurrentMultivariate()) return MultivariateExportCommand(app, *mv);
  UnivariateProject* project = app.CurrentUnivariate();
  if (!project) return;
  ExportDialog dialog(*project);
  if (app.ui.RunDialog(dialog) != platform::kIdOk) return;
  const std::vector<double>* values = dialog.Selected(*project);
  if (!values) return;
  if (dialog.toClipboard()) {
    app.ui.SetClipboardText(ClipboardColumnText(*values));
    return;
  }
  if (values->empty()) return;
  platform::FileDialogOptions options;
  options.save = true;
  options.title = "Save KORA file";
  options.initialName = "*.kra";
  options.filters = KoraFilters();
  options.overwritePrompt = true;
  auto path = app.ui.ChooseFile(options);
  if (!path) return;
  std::error_code error;
  // The old file is replaced only by a complete new one (WriteRawData).
  if (std::filesystem::exists(*path, error) && !app.ui.Ask(" ", "Overwrite existing file?")) return;
  Show(app, WriteRawData(*path, *values));
}

}  // namespace kora
