// A served workbench on a free port with its application thread, in a folder
// of its own holding a page and one series: for the web server tests and the
// latency benchmark.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "app/application.h"
#include "app/snapshot.h"
#include "http_test_client.h"
#include "platform/web/web_server.h"

namespace kora::testing {

struct LiveWorkbench {
  std::string token = platform::RandomToken();
  std::filesystem::path root = std::filesystem::temp_directory_path() / ("kora_live_" + token);
  platform::WebEventSource source;
  platform::PlatformObserver quiet;
  std::unique_ptr<platform::WebServer> server;
  std::thread appThread;
  int port = 0;

  LiveWorkbench() {
    std::filesystem::create_directories(root / "web");
    std::ofstream(root / "web" / "index.html") << "<html>page</html>";
    std::ofstream(root / "series.txt") << "1\n2\n3\n";
    server = std::make_unique<platform::WebServer>(platform::WebServerOptions{18710, false, root, root / "web", token},
                                                   source);
    port = server->Bind();
    server->Start();
    appThread = std::thread([this] {
      platform::Platform ui(source, quiet);
      Application app(ui);
      SnapshotSerials serials;
      source.buildSnapshot = [&](uint64_t seq) { return BuildSnapshot(app, serials, seq); };
      try {
        ui.Run();
      } catch (const platform::InputEnded&) {
      }
      source.buildSnapshot = nullptr;
    });
  }
  ~LiveWorkbench() {
    server->Stop();
    appThread.join();
    std::filesystem::remove_all(root);
  }
  std::string Cookie() const { return "kora_token_" + std::to_string(port) + "=" + token; }
  std::unique_ptr<HttpTestClient> Tab() const { return std::make_unique<HttpTestClient>(port, Cookie()); }
};

}  // namespace kora::testing
