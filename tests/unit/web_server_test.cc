#include "platform/web/web_server.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <thread>

#include "app/application.h"
#include "app/command_ids.h"
#include "app/snapshot.h"
#include "platform/web/event_json.h"

namespace kora::platform {
namespace {

namespace fs = std::filesystem;

TEST(WebEvents, MalformedEventsAreRefusedWithAReason) {
  for (const char* bad : {"", "[]", "42", "{", R"({"id": 1})", R"({"type": 7})", R"({"type": "dance"})",
                          R"({"type": "command"})", R"({"type": "command", "id": "40091"})",
                          R"({"type": "command", "id": 99999999})", R"({"type": "move", "window": 1})",
                          R"({"type": "mouse", "action": "wiggle", "window": 1, "x": 0, "y": 0})",
                          R"({"type": "check", "control": 5, "on": 1})", R"({"type": "select", "control": 5, "index": 0})",
                          R"({"type": "file", "path": ""})", R"({"type": "set", "control": 5})"}) {
    auto parsed = ParseEventJson(bad);
    EXPECT_TRUE(std::holds_alternative<std::string>(parsed)) << bad;
  }
  auto good = ParseEventJson(R"({"type": "mouse", "action": "up", "window": 3, "x": 5, "y": 6, "button": 1})");
  ASSERT_TRUE(std::holds_alternative<UserEvent>(good));
  EXPECT_EQ(std::get<UserEvent>(good).type, EventType::MouseUp);
  EXPECT_EQ(std::get<UserEvent>(good).window, 3);
}

TEST(WebEvents, PathsStayInsideTheRoot) {
  const fs::path root = fs::temp_directory_path() / "kora_root_test";
  fs::create_directories(root / "data");
  EXPECT_TRUE(PathInsideRoot(root, "data/nile.txt"));
  EXPECT_TRUE(PathInsideRoot(root, "data/../x.txt"));
  EXPECT_TRUE(PathInsideRoot(root, "."));
  EXPECT_FALSE(PathInsideRoot(root, "../x.txt"));
  EXPECT_FALSE(PathInsideRoot(root, "data/../../x.txt"));
  EXPECT_FALSE(PathInsideRoot(root, "/etc/passwd"));
  EXPECT_FALSE(PathInsideRoot(root, ""));
  fs::remove_all(root);
}

// A frame whose commands compute until the user asks them to stop, showing
// their progress as a fit does.
struct ComputingFrame : FrameHandler {
  Platform& ui;
  std::vector<int> stoppedAfter;  // iterations done, one entry per command
  explicit ComputingFrame(Platform& p) : ui(p) { ui.SetFrameHandler(this); }
  void OnFrameEvent(const UserEvent&) override {
    int i = 0;
    while (!ui.StopRequested() && i < 20000) {
      ui.ShowProgress("Iteration  " + std::to_string(++i));
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    stoppedAfter.push_back(i);
  }
  void OnWindowActivated(const ChildWindow&) override {}
};

TEST(WebEvents, EscapeDuringAComputationStopsItAndIsAnsweredAtOnce) {
  WebEventSource source;
  PlatformObserver quiet;
  Platform ui(source, quiet);
  ComputingFrame frame(ui);
  std::thread app([&] { ui.Run(); });
  std::thread poster([&] { EXPECT_TRUE(source.Submit(UserEvent{EventType::Command, 40091}).ok); });
  while (source.Progress().first == 0) std::this_thread::yield();
  // Shown live, and the Escape is answered while the command still runs.
  EXPECT_EQ(source.Progress().second.rfind("Iteration  ", 0), 0u);
  EXPECT_TRUE(source.Submit(UserEvent{EventType::Escape}).ok);
  poster.join();
  EXPECT_EQ(source.Progress(), (std::pair<uint64_t, std::string>{0, ""}));  // cleared with the computation
  // The stop applied to that computation only; a refused event is not a stop.
  EXPECT_FALSE(source.Submit(UserEvent{EventType::Escape}).ok);  // nothing modal, nothing running
  std::thread second([&] { source.Submit(UserEvent{EventType::Command, 40091}); });
  while (source.Progress().second != "Iteration  3") std::this_thread::yield();
  source.Shutdown();  // a closing workbench stops the computation too
  second.join();
  app.join();
  ASSERT_EQ(frame.stoppedAfter.size(), 2u);
  EXPECT_LT(frame.stoppedAfter[0], 20000);
  EXPECT_LT(frame.stoppedAfter[1], 20000);
}

// A served workbench on a free port, with its application thread.
struct LiveWorkbench {
  fs::path root = fs::temp_directory_path() / "kora_live_test";
  WebEventSource source;
  PlatformObserver quiet;
  std::unique_ptr<WebServer> server;
  std::thread appThread;
  int port = 0;
  std::string token = RandomToken();

  LiveWorkbench() {
    fs::create_directories(root / "web");
    std::ofstream(root / "web" / "index.html") << "<html>page</html>";
    std::ofstream(root / "series.txt") << "1\n2\n3\n";
    server = std::make_unique<WebServer>(WebServerOptions{18710, false, root, root / "web", token}, source);
    port = server->Bind();
    server->Start();
    appThread = std::thread([this] {
      Platform ui(source, quiet);
      Application app(ui);
      SnapshotSerials serials;
      source.buildSnapshot = [&](uint64_t seq) { return BuildSnapshot(app, serials, seq); };
      ui.Run();
      source.buildSnapshot = nullptr;
    });
  }
  ~LiveWorkbench() {
    server->Stop();
    appThread.join();
    fs::remove_all(root);
  }
  httplib::Client Client() {
    httplib::Client client("127.0.0.1", port);
    client.set_default_headers({{"Cookie", "kora_token=" + token}});
    return client;
  }
  int Post(const std::string& body) {
    auto res = Client().Post("/api/event", body, "application/json");
    return res ? res->status : -1;
  }
};

TEST(WebServer, RefusesStrangersAndBadInputAndKeepsServing) {
  LiveWorkbench w;
  ASSERT_GT(w.port, 0);
  // No token, a wrong token, a foreign origin, a foreign host name.
  httplib::Client anonymous("127.0.0.1", w.port);
  EXPECT_EQ(anonymous.Get("/api/state")->status, 403);
  EXPECT_EQ(anonymous.Get("/?token=wrong")->status, 403);
  auto withToken = anonymous.Get(("/?token=" + w.token).c_str());
  EXPECT_EQ(withToken->status, 200);
  EXPECT_NE(withToken->get_header_value("Set-Cookie").find("kora_token=" + w.token), std::string::npos);
  auto client = w.Client();
  EXPECT_EQ(client.Get("/api/state", {{"Origin", "http://example.com"}})->status, 403);
  EXPECT_EQ(client.Get("/api/state", {{"Host", "example.com"}})->status, 403);
  // Malformed, out-of-order and oversized events change nothing.
  EXPECT_EQ(w.Post("not json"), 400);
  EXPECT_EQ(w.Post(R"({"type": "click", "control": 1})"), 409);  // no dialog is open
  EXPECT_EQ(w.Post(R"({"type": "file", "path": "../../etc/passwd"})"), 403);
  EXPECT_EQ(w.Post(std::string(5 << 20, 'x')), 413);
  EXPECT_EQ(client.Get("/api/files?dir=..")->status, 403);
  EXPECT_EQ(client.Get("/../../etc/passwd")->status, 403);
  auto state = nlohmann::json::parse(client.Get("/api/state")->body);
  EXPECT_TRUE(state["windows"].empty());
  EXPECT_TRUE(state["modals"].empty());

  // A real journey still works afterwards: New, then open the dialog, reload state, finish it.
  EXPECT_EQ(w.Post(R"({"type": "command", "id": 40091})"), 200);
  state = nlohmann::json::parse(client.Get("/api/state")->body);
  ASSERT_EQ(state["modals"].size(), 1u);
  EXPECT_EQ(state["modals"][0]["title"], "Create New Project ");
  EXPECT_EQ(w.Post(R"({"type": "command", "id": 40091})"), 409);  // the dialog is modal
  EXPECT_EQ(w.Post(R"({"type": "click", "control": 1})"), 200);
  EXPECT_EQ(w.Post(R"({"type": "clipboard", "text": "5\r\n6\r\n7\r\n"})"), 200);
  EXPECT_EQ(w.Post(R"({"type": "command", "id": 40152})"), 200);
  state = nlohmann::json::parse(client.Get("/api/state")->body);
  ASSERT_EQ(state["windows"].size(), 1u);
  EXPECT_NE(state["windows"][0]["svg"].get<std::string>().find("<svg"), std::string::npos);
  EXPECT_EQ(state["frame"]["status"][0], "New Univariate Project");
  auto files = nlohmann::json::parse(client.Get("/api/files")->body);
  bool listed = false;
  for (auto& entry : files["entries"]) listed |= entry["name"] == "series.txt";
  EXPECT_TRUE(listed);
}

}  // namespace
}  // namespace kora::platform
