// The HTTP side of the web back end: serves the page, the help guide, the
// desktop snapshots (JSON and server-sent events) and takes user events.
// Only loopback requests that carry the launch token are served.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "platform/web/root_paths.h"
#include "platform/web/web_event_source.h"

namespace kora::platform {

struct WebServerOptions {
  int port = 8710;          // first port tried
  bool exactPort = false;   // only that port (given with --port)
  std::filesystem::path root;     // the folder the file dialogs browse
  std::filesystem::path webDir;   // the built page (index.html, app.js, ...)
  std::string token;              // the per-launch secret
};

class WebServer {
 public:
  WebServer(WebServerOptions options, WebEventSource& source);
  ~WebServer();
  // Binds to the port (or the next free one); returns the port, or 0.
  int Bind();
  // SIGINT and SIGTERM shut the event source down (the program then ends
  // cleanly, whatever is open).
  void StopOnSignals();
  // Serves on a background thread until Stop.
  void Start();
  void Stop();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// A random token of hexadecimal digits.
std::string RandomToken();

}  // namespace kora::platform
