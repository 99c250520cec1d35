// The command table: for each command id, what it needs and its handler.
#pragma once

namespace kora {

class Application;

enum class Needs {
  kNothing,     // runs in any state
  kProject,     // a project must be current
  kUnivariate,  // the current project must be univariate
  kMultivariate,
};

struct CommandSpec {
  int id;
  Needs needs;
  void (*run)(Application&);
};

// The entry of a command id, or null for ids the frame leaves to the default procedure.
const CommandSpec* FindCommand(int id);

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
// window_commands.cc
void PrintCommand(Application& app);
void InfoCommand(Application& app);
void ZoomRegionCommand(Application& app);
void ZoomRangeCommand(Application& app);
void ZoomOutCommand(Application& app);
void ZoomManualCommand(Application& app);
void CopyCommand(Application& app);
void DuplicateCommand(Application& app);
void CascadeCommand(Application& app);
void TileCommand(Application& app);
void ExitCommand(Application& app);
void HelpContentsCommand(Application& app);
void HelpOnHelpCommand(Application& app);
void AboutCommand(Application& app);

}  // namespace kora
