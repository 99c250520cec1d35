// kora's workbench mode: serve the desktop to the browser on the loopback address.
#pragma once

#include <string>

namespace kora {

struct ServeOptions {
  int port = 8710;
  bool exactPort = false;
  std::string root = ".";
  std::string webDir;  // empty: found beside the program or the current folder
  bool openBrowser = true;  // when a desktop browser is there
};

// Runs until the user chooses Exit or the process is stopped; returns the exit code.
int Serve(const ServeOptions& options, const char* programPath);

}  // namespace kora
