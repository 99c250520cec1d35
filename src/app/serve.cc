#include "app/serve.h"

#include <filesystem>
#include <iostream>

#include "app/application.h"
#include "app/open_browser.h"
#include "app/session_recorder.h"
#include "app/snapshot.h"
#include "platform/web/web_event_source.h"
#include "platform/web/web_server.h"

namespace kora {

namespace fs = std::filesystem;

namespace {

// Counts the engine's requests for page-side actions (clipboard, help, print).
class WebObserver : public platform::PlatformObserver {
 public:
  SnapshotSerials serials;
  void ClipboardChanged() override { ++serials.clipboard; }
  void HelpRequested(const std::string& topic) override {
    ++serials.help;
    serials.helpTopic = topic;
  }
  void PrintRequested(const platform::ChildWindow& w) override {
    ++serials.print;
    serials.printWindow = w.id;
  }
};

fs::path FindWebDir(const std::string& given, const char* programPath) {
  if (!given.empty()) return fs::absolute(given);
  std::error_code ec;
  const fs::path program = fs::weakly_canonical(fs::path(programPath), ec).parent_path();
  for (const fs::path& candidate : {program / "web", program / ".." / "web" / "dist", program / ".." / ".." / "web" / "dist",
                                    fs::current_path() / "web" / "dist"})
    if (fs::exists(candidate / "index.html", ec)) return fs::weakly_canonical(candidate, ec);
  return {};
}

}  // namespace

int Serve(const ServeOptions& options, const char* programPath) {
  std::error_code ec;
  const fs::path webDir = FindWebDir(options.webDir, programPath);
  if (webDir.empty()) {
    std::cerr << "kora: the page is not built (run npm run build in web/, or give --web DIR)\n";
    return 1;
  }
  const fs::path root = fs::weakly_canonical(fs::absolute(options.root), ec);
  if (ec || !fs::is_directory(root)) {
    std::cerr << "kora: no folder " << options.root << "\n";
    return 1;
  }
  // File dialogs name files relative to the root, and so do project titles.
  fs::current_path(root);

  platform::WebEventSource source;
  SessionRecorder recorder(source);
  WebObserver observer;
  platform::Platform ui(recorder, observer);
  recorder.Watch(ui);
  Application app(ui);
  app.session = &recorder;
  source.buildSnapshot = [&](uint64_t seq) { return BuildSnapshot(app, observer.serials, seq); };

  platform::WebServerOptions serverOptions{options.port, options.exactPort, root, webDir, platform::RandomToken()};
  platform::WebServer server(serverOptions, source);
  const int port = server.Bind();
  if (port == 0) {
    std::cerr << "kora: no free port from " << options.port << "\n";
    return 1;
  }
  server.StopOnSignals();
  server.Start();
  const std::string address = "http://127.0.0.1:" + std::to_string(port) + "/?token=" + serverOptions.token;
  std::cout << "KORA is serving " << address << std::endl;
  if (options.openBrowser) OpenInBrowser(address);
  try {
    ui.Run();
  } catch (const platform::InputEnded&) {
    // Stopped by a signal while a modal window was open: its work is discarded.
  }
  server.Stop();
  return 0;
}

}  // namespace kora
