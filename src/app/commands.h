// The command table: for each command id, what it needs and its handler.
#pragma once

#include <span>
#include <string_view>

namespace kora {

class Application;

enum class Needs {
  kNothing,     // runs in any state
  kProject,     // a project must be current
  kUnivariate,  // the current project must be univariate
  kMultivariate,
};

struct CommandEntry {
  int id;
  Needs needs;
  void (*run)(Application&);
  // The stable name of "command NAME" in scripts (command_names.h); fixed here
  // so that it stays when a menu text changes.
  std::string_view name = {};
};

// The entry of a command id, or null for ids the frame leaves to the default procedure.
const CommandEntry* FindCommand(int id);
std::span<const CommandEntry> AllCommands();

// Handlers, grouped by file.
// project_commands.cc
void NewProjectCommand(Application& app);
void OpenProjectCommand(Application& app);
void SaveProjectCommand(Application& app);
void SaveProjectAsCommand(Application& app);
void CloseProjectCommand(Application& app);
void CloseAllCommand(Application& app);
void RenameProjectCommand(Application& app);
void MinimizeProjectCommand(Application& app);
void RestoreProjectCommand(Application& app);
// session_script_command.cc
void SaveSessionScriptCommand(Application& app);
// project_editor.cc
void ProjectEditorCommand(Application& app);
// data_commands.cc
void ImportFileCommand(Application& app);
void ImportClipboardCommand(Application& app);
void ExportCommand(Application& app);
// analysis_commands.cc
void DifferenceCommand(Application& app);
void BoxCoxCommand(Application& app);
void SubtractMeanCommand(Application& app);
void SubsequenceCommand(Application& app);
void UndoCommand(Application& app);
void SampleAcfCommand(Application& app);
void SpecifyLagCommand(Application& app);
// histogram_commands.cc
void HistogramCommand(Application& app);
void HistogramBinsCommand(Application& app);
void ResidualHistogramCommand(Application& app);
// model_commands.cc
void SpecifyModelCommand(Application& app);
void ModelAcfCommand(Application& app);
void SampleModelAcfCommand(Application& app);
void ArmaInfinityCommand(Application& app);
void SwitchToInvertibleCommand(Application& app);
// residual_commands.cc
void ResidualPlotCommand(Application& app);
void ResidualAcfCommand(Application& app);
void TestsOfRandomnessCommand(Application& app);
// spectrum_commands.cc
void PeriodogramCommand(Application& app);
void ModelSpectrumCommand(Application& app);
void ModelAndPeriodogramCommand(Application& app);
void SmoothedPeriodogramCommand(Application& app);
void LogSpectrumCommand(Application& app);
void FisherTestCommand(Application& app);
void CumulativeModelCommand(Application& app);
void CumulativePeriodogramCommand(Application& app);
void CumulativeBothCommand(Application& app);
// smoothing_commands.cc
void ExponentialSmoothingCommand(Application& app);
void FftSmoothingCommand(Application& app);
void MovingAverageCommand(Application& app);
// classical_commands.cc
void ClassicalCommand(Application& app);
void ShowClassicalFitCommand(Application& app);
// estimation_commands.cc
void PreliminaryCommand(Application& app);
void MaxLikelihoodCommand(Application& app);
void AutofitCommand(Application& app);
// simulate_commands.cc
void SimulateCommand(Application& app);
// regression_commands.cc
void RegressionSpecifyCommand(Application& app);
void LeastSquaresCommand(Application& app);
void GeneralizedLeastSquaresCommand(Application& app);
void RegressionRemoveCommand(Application& app);
void RegressionShowFitCommand(Application& app);
// forecast_commands.cc
void ArmaForecastCommand(Application& app);
// holt_winters_commands.cc
void HoltWintersCommand(Application& app);
void SeasonalHoltWintersCommand(Application& app);
// arar_commands.cc
void ArarForecastCommand(Application& app);
// multivariate_commands.cc
void MvDifferenceCommand(Application& app);
void MvSubtractMeansCommand(Application& app);
void MvTrimCommand(Application& app);
void MvUndoCommand(Application& app);
void MvYuleWalkerCommand(Application& app);
void MvBurgCommand(Application& app);
void MvForecastCommand(Application& app);
// multivariate_model_commands.cc
void MvCrossAcfCommand(Application& app);
void MvSimulateCommand(Application& app);
// window_commands.cc
void PrintCommand(Application& app);
void InfoCommand(Application& app);
void ZoomRegionCommand(Application& app);
void ZoomRangeCommand(Application& app);
void ZoomOutCommand(Application& app);
void ZoomManualCommand(Application& app);
void CopyCommand(Application& app);
void SavePictureCommand(Application& app);
void PredictionBandsCommand(Application& app);
void CustomizeColorsCommand(Application& app);
void DuplicateCommand(Application& app);
void CascadeCommand(Application& app);
void TileCommand(Application& app);
void NextWindowCommand(Application& app);
void ExitCommand(Application& app);
void HelpContentsCommand(Application& app);
void HelpOnHelpCommand(Application& app);
void AboutCommand(Application& app);

}  // namespace kora
