// The multivariate variants of the File commands, called by those commands
// when the current project is multivariate.
#pragma once

namespace kora {

class Application;
struct MultivariateProject;

// Asks for a file and the number of columns and reads it into the project.
// Returns whether a file was chosen.
bool MultivariateImportFile(Application& app, MultivariateProject& project);
void MultivariateImportFileCommand(Application& app, MultivariateProject& project);
void MultivariateImportClipboardCommand(Application& app, MultivariateProject& project);
void MultivariateExportCommand(Application& app, MultivariateProject& project);

}  // namespace kora
