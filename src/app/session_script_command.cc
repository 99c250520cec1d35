// File > Save Session As Script...: what the user did since the start, as a
// script that `kora script` plays again from the same folder.
#include "app/application.h"
#include "app/commands.h"
#include "app/session_recorder.h"
#include "project/atomic_file.h"
#include "project/file_error.h"

namespace kora {

namespace {

std::optional<FileError> WriteSessionScript(const std::string& path, const std::vector<std::string>& lines) {
  const std::string caption = "WriteSessionScript()";
  AtomicFile file(path);
  if (!file.IsOpen()) return FileError{caption, "Cannot open file"};
  std::string text =
      "# A KORA session. Play it with kora script FILE in the folder KORA served, as it was when\n"
      "# the session began (a copy, say).\n";
  for (const auto& line : lines) text += line + "\n";
  file.Write(text.data(), text.size());
  if (file.Commit() != AtomicFile::Status::Written) return FileError{caption, "Cannot write to file"};
  return std::nullopt;
}

}  // namespace

void SaveSessionScriptCommand(Application& app) {
  if (!app.session) return;  // a back end that records nothing
  const std::vector<std::string> lines = app.session->lines();
  SessionRecorder::LeaveOut saving(*app.session);
  const platform::FileDialogOptions options{
      .save = true,
      .title = "Save Session As Script",
      .initialName = "*.kora",
      .filters = {{"KORA Scripts (*.kora)", "*.kora"}, {"All Files (*.*)", "*.*"}},
      .defaultExtension = "kora",
      .overwritePrompt = true};
  auto path = app.ui.ChooseFile(options);
  if (!path) return;
  if (auto error = WriteSessionScript(*path, lines)) app.ui.Message(error->caption, error->text);
}

}  // namespace kora
