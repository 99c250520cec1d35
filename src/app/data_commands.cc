// File > Import File, Import Clipboard and Export.
#include <filesystem>

#include "app/application.h"
#include "app/commands.h"
#include "app/data_import.h"
#include "platform/text.h"
#include "project/part_file.h"
#include "project/project_file.h"
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

  project.projectFile = *path;
  project.hasProjectFile = false;
  ResetForNewData(app.ui, project);
  std::vector<double> values;
  bool install = false;

  PartFileResult part = ReadPartFile(*path);
  if (part.status == PartFileResult::Read) {
    values = std::move(part.values);
    install = true;
    project.hasProjectFile = true;
  } else if (part.status == PartFileResult::Failed) {
    Show(app, part.error);
  } else {
    ProjectReadResult read = ReadProjectFile(*path, project, Colours());
    if (read.status == ProjectReadStatus::Failed) {
      // A project file that failed to read has been reported; it is not
      // offered to the text reader as well.
      Show(app, read.error);
    } else if (read.status == ProjectReadStatus::NotProjectFile) {
      RawDataResult raw = ReadRawData(*path);
      Show(app, raw.error);
      if (!raw.error) {
        values = std::move(raw.values);
        install = true;
      }
    }
  }
  if (install) {
    project.series = values;
    project.untransformedSeries = std::move(values);
    project.firstIndex = project.series.empty() ? 0 : 1;
    project.lastIndex = project.count();
  }
  app.ui.SetTitle(project.plots[kMainPlot].window, *path);
  RetitleProjectWindows(app.ui, project);
  RefreshViews(app.ui, project, true, true);
  app.ui.Activate(project.plots[kMainPlot].window);
  return true;
}

void ImportFileCommand(Application& app) {
  UnivariateProject* project = app.CurrentUnivariate();
  if (!project) return;  // the multivariate import belongs to multivariate projects
  if (ImportFile(app, *project)) app.UpdateFrame();
}

void ImportClipboardCommand(Application& app) {
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
  if (std::filesystem::exists(*path, error)) {
    if (!app.ui.Ask(" ", "Overwrite existing file?")) return;
    std::filesystem::remove(*path, error);
  }
  Show(app, WriteRawData(*path, *values));
}

}  // namespace kora
