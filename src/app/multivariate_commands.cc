// The commands of a multivariate project: import and export, the
// transformations with Undo, Yule-Walker and Burg fits, AR forecasting.
#include "app/multivariate_commands.h"

#include <filesystem>
#include <fstream>

#include "app/application.h"
#include "app/commands.h"
#include "multivariate/multivariate_dialogs.h"
#include "multivariate/multivariate_views.h"
#include "multivariate/var_estimation.h"
#include "multivariate/var_forecast.h"
#include "multivariate/var_report.h"
#include "project/text_export.h"
#include "project/text_import.h"
#include "report/number_format.h"
#include "report/number_parse.h"
#include "transform/difference_dialog.h"
#include "transform/subsequence_dialog.h"

namespace kora {

namespace {

constexpr const char* kMultiVarCaption = "KORA::MultiVar Error";

std::vector<platform::FileFilter> KoraFilters() {
  return {{"KORA Files (*.KRA)", "*.KRA"}, {"All Files (*.*)", "*.*"}};
}

void Refresh(Application& app, MultivariateProject& project) {
  RefreshMultivariateViews(app.ui, project);
  app.UpdateFrame();
}

// The numbers on the first line that starts with one: the columns the file
// has (0 when it cannot be read).
int FirstLineColumns(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!ReadFirstNumber(line)) continue;
    int count = 0;
    for (std::string_view item : SplitItems(line)) {
      if (!ParseFreeNumber(item)) break;
      ++count;
    }
    return count;
  }
  return 0;
}

class MultivariateExportDialog : public platform::Dialog {
 public:
  MultivariateExportDialog() : Dialog("Export to ASCII") {
    Add(platform::GroupBox(1200, "To"));
    Add(platform::RadioButton(1206, "File", 2, true));
    Add(platform::RadioButton(1207, "Clipboard", 2, false));
    Add(platform::PushButton(platform::kIdOk, "OK"));
    Add(platform::PushButton(platform::kIdCancel, "Cancel"));
  }
  bool toClipboard() const { return Find(1207)->checked; }
};

// Stores the fit and writes its report; false (with a message) when the data
// cannot be fitted.
bool Estimate(Application& app, MultivariateProject& project, VarEstimator estimator) {
  MultivariateArModel& model = project.model;
  const int bound = VarOrderBound(project.data.n, project.data.m);
  int p = model.order;
  bool search = true;
  std::string orderText = FormatInteger(model.order);
  for (;;) {
    VarOrderDialog dialog(estimator == VarEstimator::kBurg, orderText, search);
    if (app.ui.RunDialog(dialog) != platform::kIdOk) return false;
    search = dialog.At(dialog.searchBox()).checked;
    orderText = dialog.At(dialog.orderField()).text;
    if (search) break;
    const std::optional<int> read = ReadFirstInteger(orderText);
    if (!read) continue;
    p = *read;
    if (p < 0) {
      app.ui.Message("ERROR", " p must be non-negative.");
      continue;
    }
    if (p >= bound) {
      app.ui.Message("ERROR", " p is too large, try a smaller value.");
      continue;
    }
    break;
  }
  const MeanCorrectedData data = MeanCorrect(project.data.values);
  const std::optional<VarFit> fit = FitVar(estimator, data, p, search);
  if (!fit) {
    app.ui.Message("KORA::MultiVar Error",
                   "The series cannot be fitted: their covariance matrix is not positive definite "
                   "(a constant series, or series that are exact combinations of others).");
    return false;
  }
  model.order = fit->order;
  model.searchAicc = search;
  model.phi = fit->phi;
  model.v = fit->v;
  model.aicc = fit->aicc;
  model.phi0 = VarConstant(fit->phi, data.mu);
  model.fitted = true;
  project.data.mu = data.mu;
  const std::string prefix = estimator == VarEstimator::kBurg ? "Multivariate Burg estimates: "
                                                              : "Multivariate Yule-Walker estimates: ";
  WriteMultivariateReport(app.ui, project, project.estimatesWindow, prefix,
                          VarEstimatesText(model, estimator, search));
  return true;
}

}  // namespace

bool MultivariateImportFile(Application& app, MultivariateProject& project) {
  platform::FileDialogOptions options;
  options.title = "Open file";
  options.initialName = "*.kra";
  options.filters = KoraFilters();
  options.mustExist = true;
  auto path = app.ui.ChooseFile(options);
  if (!path) return false;
  ReadMultivariateDialog dialog(*path);
  if (app.ui.RunDialog(dialog) != platform::kIdOk) return true;
  const int columns = dialog.columns();
  FileError error;
  auto table = ReadMultivariateText(*path, columns, &error);
  if (!table) {
    app.ui.Message(error.caption, error.text);
    return true;
  }
  if (table->empty() || FirstLineColumns(*path) < columns) {
    app.ui.Message("ReadMultivariateData()",
                   "The file does not hold " + FormatInteger(columns) + " columns of numbers.");
    return true;
  }
  app.ui.SetTitle(project.mainWindow.window, *path);
  InstallMultivariateData(app.ui, project, std::move(*table));
  return true;
}

void MultivariateImportFileCommand(Application& app, MultivariateProject& project) {
  if (MultivariateImportFile(app, project)) app.UpdateFrame();
}

void MultivariateImportClipboardCommand(Application& app, MultivariateProject& project) {
  std::optional<std::vector<std::vector<double>>> table;
  if (app.ui.clipboard().text) table = ReadClipboardTable(*app.ui.clipboard().text);
  if (table && !table->empty() && !table->front().empty())
    InstallMultivariateData(app.ui, project, std::move(*table));
  else
    app.ui.Message("Import from clipboard", "Clipboard empty");
  app.UpdateFrame();
}

void MultivariateExportCommand(Application& app, MultivariateProject& project) {
  if (!project.HasData()) return;
  MultivariateExportDialog dialog;
  if (app.ui.RunDialog(dialog) != platform::kIdOk) return;
  if (dialog.toClipboard()) {
    app.ui.SetClipboardText(ClipboardTableText(project.data.values));
    return;
  }
  platform::FileDialogOptions options;
  options.save = true;
  options.title = "Save KORA file";
  options.initialName = "*.kra";
  options.filters = KoraFilters();
  options.overwritePrompt = true;
  auto path = app.ui.ChooseFile(options);
  if (!path) return;
  std::error_code error;
  if (std::filesystem::exists(*path, error) && !app.ui.Ask(" ", "Overwrite existing file?")) return;
  if (auto failure = WriteAsciiArray(*path, project.data.values))
    app.ui.Message(failure->caption, failure->text);
}

void MvDifferenceCommand(Application& app) {
  MultivariateProject* project = app.CurrentMultivariate();
  if (!project || !project->HasData()) return;
  for (;;) {
    DifferenceDialog dialog;
    if (app.ui.RunDialog(dialog) != platform::kIdOk) return;
    const std::optional<int> lag = ReadFirstInteger(dialog.At(kDifferenceLagField).text);
    if (!lag) continue;
    if (*lag <= 0) {
      app.ui.Message("KORA::Error", "Lag must be positive");
      continue;
    }
    if (*lag >= project->data.n - 1) {
      app.ui.Message("KORA::Error", "Lag too large for data set.");
      continue;
    }
    project->transforms.push_back(DifferenceSeries(project->data, *lag));
    return Refresh(app, *project);
  }
}

void MvSubtractMeansCommand(Application& app) {
  MultivariateProject* project = app.CurrentMultivariate();
  if (!project || !project->HasData()) return;
  project->transforms.push_back(SubtractMeans(project->data));
  Refresh(app, *project);
}

void MvTrimCommand(Application& app) {
  MultivariateProject* project = app.CurrentMultivariate();
  if (!project || !project->HasData()) return;
  const int first = project->data.firstTime, last = project->data.lastTime;
  for (;;) {
    SubsequenceDialog dialog(first, last);
    if (app.ui.RunDialog(dialog) != platform::kIdOk) return;
    const std::optional<int> lo = ReadFirstInteger(dialog.At(kSubsequenceMinField).text);
    const std::optional<int> hi = ReadFirstInteger(dialog.At(kSubsequenceMaxField).text);
    if (lo && hi && first <= *lo && *lo < *hi && *hi <= last) {
      project->transforms.push_back(TrimSeries(project->data, *lo, *hi));
      return Refresh(app, *project);
    }
    app.ui.Message(kMultiVarCaption,
                   "Select a subsequence in [" + FormatInteger(first) + "," + FormatInteger(last) + "]");
  }
}

void MvUndoCommand(Application& app) {
  MultivariateProject* project = app.CurrentMultivariate();
  if (!project || project->transforms.empty()) return;
  UndoTransform(project->data, project->transforms.back());
  project->transforms.pop_back();
  Refresh(app, *project);
}

void MvYuleWalkerCommand(Application& app) {
  MultivariateProject* project = app.CurrentMultivariate();
  if (project && project->HasData() && Estimate(app, *project, VarEstimator::kYuleWalker)) app.UpdateFrame();
}

void MvBurgCommand(Application& app) {
  MultivariateProject* project = app.CurrentMultivariate();
  if (project && project->HasData() && Estimate(app, *project, VarEstimator::kBurg)) app.UpdateFrame();
}

void MvForecastCommand(Application& app) {
  MultivariateProject* project = app.CurrentMultivariate();
  if (!project || !project->HasModel()) return;
  MultivariateArModel& model = project->model;
  const int n = project->data.n;
  const int endpoint = model.mvEndpoint > 0 && model.mvEndpoint <= n ? model.mvEndpoint : n;
  VarForecastDialog dialog(model.mvForecastCount, model.mvUseAll, endpoint, n, model.order);
  if (app.ui.RunDialog(dialog) != platform::kIdOk) return;
  if (dialog.count() < 1) {
    app.ui.Message("Error", " Number of predictors must be larger than 0");
    return;
  }
  model.mvForecastCount = dialog.count();
  model.mvUseAll = dialog.useAll();
  model.mvEndpoint = dialog.endpoint();
  model.mvForecast =
      VarForecast(project->data.values, model.mvEndpoint, model.mvForecastCount, model.phi, model.phi0);
  DrawVarForecasts(app.ui, *project);
  WriteMultivariateReport(app.ui, *project, project->forecastReportWindow,
                          "Multivariate AR Forecasts: ", VarForecastText(model));
  app.UpdateFrame();
}

}  // namespace kora
