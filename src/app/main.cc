// kora [--port N] [--root DIR] [--web DIR] [--no-browser]: serves the
// workbench to the browser on 127.0.0.1 (kora --help tells more; a wrong
// option prints the usage and ends with 2).
// kora script FILE: plays the user actions of FILE headless and prints what
// the user would see. Exit codes: 0 done, 1 usage or unreadable script,
// 2 an action that could not be read or delivered, 3 the script ended while a
// modal window was open.
// kora commands: lists every command with its id, name and menu paths.
#include <unistd.h>

#include <fstream>
#include <iostream>

#include "app/application.h"
#include "app/command_names.h"
#include "app/script_reader.h"
#include "app/session_recorder.h"
#include "app/serve.h"
#include "app/transcript.h"
#include "batch/batch_run.h"

namespace {

int RunScript(const char* path) {
  std::ifstream in(path);
  if (!in) {
    std::cerr << "kora: cannot read script " << path << "\n";
    return 1;
  }
  kora::Transcript transcript(std::cout);
  kora::ScriptEventSource script(in, [&](const std::string& line) { transcript.Action(line); });
  kora::SessionRecorder source(script);
  kora::platform::Platform ui(source, transcript);
  source.Watch(ui);
  kora::Application app(ui);
  app.session = &source;
  try {
    ui.Run();
    // File > Exit ends the program; an action after it reaches nobody.
    if (auto late = source.Next()) throw kora::ScriptError(late->sourceLine, "cannot be delivered: the program has exited");
  } catch (const kora::ScriptError& error) {
    std::cout << "error: " << error.what() << std::endl;
    return 2;
  } catch (const kora::platform::InputEnded& ended) {
    std::cout << "error: the script ended while \"" << ended.waiting << "\" is open" << std::endl;
    return 3;
  }
  return 0;
}

}  // namespace

constexpr char kUsage[] =
    "usage: kora [--port N] [--root DIR] [--web DIR] [--no-browser]\n"
    "       kora script FILE\n"
    "       kora commands\n"
    "       kora batch RECIPE INPUT OUTPUT\n"
    "       kora --help | --version\n"
    "\n"
    "Serves the workbench to the browser on 127.0.0.1 and prints its address,\n"
    "opening it in the desktop browser when there is one.\n"
    "  --port N      serve on port N only (default: the first free port from 8710)\n"
    "  --root DIR    the folder the file dialogs browse (default: the current folder)\n"
    "  --web DIR     the built page (default: found beside the program)\n"
    "  --no-browser  do not open the address in a browser\n"
    "kora script FILE plays the user actions of FILE headless and prints what the\n"
    "user would see. kora commands lists every command with its id and menu paths.\n";

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(true);
  if (argc == 3 && std::string(argv[1]) == "script") return RunScript(argv[2]);
  if (argc == 2 && std::string(argv[1]) == "commands") return kora::ListCommands(std::cout), 0;
  if (argc >= 2 && std::string(argv[1]) == "batch") {
    if (argc != 5) return std::cerr << "usage: kora batch RECIPE INPUT OUTPUT\n", 1;
    return kora::RunBatch(argv[2], argv[3], argv[4], {0, isatty(2) != 0}, std::cerr);
  }
  kora::ServeOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (arg == "--version") {
      std::cout << "kora " << KORA_VERSION << "\n";
      return 0;
    } else if (arg == "--no-browser") {
      options.openBrowser = false;
    } else if (arg == "--port" && hasValue) {
      options.port = std::atoi(argv[++i]);
      options.exactPort = true;
      if (options.port < 1 || options.port > 65535) return std::cerr << "kora: bad port\n" << kUsage, 2;
    } else if (arg == "--root" && hasValue) {
      options.root = argv[++i];
    } else if (arg == "--web" && hasValue) {
      options.webDir = argv[++i];
    } else {
      std::cerr << "kora: unknown option " << arg << "\n" << kUsage;
      return 2;
    }
  }
  return kora::Serve(options, argv[0]);
}
