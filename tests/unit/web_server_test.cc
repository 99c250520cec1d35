#include "platform/web/web_server.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "http_test_client.h"
#include "live_workbench.h"
#include "platform/web/event_json.h"
#include "platform/web/http_server.h"

namespace kora::platform {
namespace {

namespace fs = std::filesystem;
using kora::testing::HttpTestClient;
using kora::testing::LiveWorkbench;

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

TEST(WebServer, ProgressIsStreamedLiveAndEscapeStopsTheComputation) {
  WebEventSource source;
  const fs::path nowhere = fs::temp_directory_path() / "kora_no_page";
  WebServer server({18710, false, nowhere, nowhere, "t"}, source);
  const int port = server.Bind();
  server.Start();
  const std::string cookie = "kora_token_" + std::to_string(port) + "=t";
  PlatformObserver quiet;
  Platform ui(source, quiet);
  ComputingFrame frame(ui);
  std::thread app([&] { ui.Run(); });

  HttpTestClient stream(port, cookie), tab(port, cookie), keys(port, cookie);
  EXPECT_EQ(stream.Get("/api/events").status, 200);
  std::thread poster([&] { EXPECT_EQ(tab.Post(R"({"type": "command", "id": 40091})").status, 200); });
  // Shown while the command runs, and the Escape is answered meanwhile.
  const std::string live = stream.ReadUntil("event: progress\ndata: {\"seq\":1,\"status\":\"Iteration  ", 10000);
  EXPECT_NE(live, "");
  EXPECT_EQ(keys.Post(R"({"type": "escape"})").status, 200);
  poster.join();
  ASSERT_EQ(frame.stoppedAfter.size(), 1u);
  EXPECT_LT(frame.stoppedAfter[0], 20000);
  EXPECT_EQ(source.Latest().progressSerial, 0u);  // cleared with the computation
  // The stop applied to that computation only; an Escape with nothing running is an ordinary event.
  EXPECT_EQ(keys.Post(R"({"type": "escape"})").status, 409);
  std::thread second([&] { tab.Post(R"({"type": "command", "id": 40091})"); });
  while (source.Latest().progress != "Iteration  3") std::this_thread::yield();
  source.Shutdown();  // a closing workbench stops the computation too
  second.join();
  app.join();
  ASSERT_EQ(frame.stoppedAfter.size(), 2u);
  EXPECT_LT(frame.stoppedAfter[1], 20000);
}

TEST(WebServer, RefusesStrangersAndBadInputAndKeepsServing) {
  LiveWorkbench w;
  ASSERT_GT(w.port, 0);
  // No token, a wrong token, a foreign origin, a foreign host name (a refusal closes the connection).
  EXPECT_EQ(HttpTestClient(w.port).Get("/api/state").status, 403);
  EXPECT_EQ(HttpTestClient(w.port).Get("/?token=wrong").status, 403);
  auto withToken = HttpTestClient(w.port).Get("/?token=" + w.token);
  EXPECT_EQ(withToken.status, 200);
  EXPECT_EQ(withToken.Header("set-cookie").rfind(w.Cookie() + ";", 0), 0u);  // one cookie a port
  EXPECT_EQ(w.Tab()->Get("/api/state", "Origin: http://example.com\r\n").status, 403);
  EXPECT_EQ(w.Tab()->Get("/api/state", "Host: example.com\r\n").status, 403);
  auto tab = w.Tab();
  // Malformed, out-of-order, oversized and undeliverable events change nothing.
  EXPECT_EQ(tab->Post("not json").status, 400);
  EXPECT_EQ(tab->Post(R"({"type": "click", "control": 1})").status, 409);  // no dialog is open
  EXPECT_EQ(tab->Post(R"({"type": "command", "id": 40999})").status, 409);  // no such command
  EXPECT_EQ(tab->Post(R"({"type": "file", "path": "../../etc/passwd"})").status, 403);  // answered, kept open
  EXPECT_EQ(w.Tab()->Post(std::string(5 << 20, 'x')).status, 413);
  std::string chunked = "POST /api/event HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(w.port) +
                        "\r\nCookie: " + w.Cookie() + "\r\nTransfer-Encoding: chunked\r\n\r\n";
  HttpTestClient chunker(w.port);
  chunker.SendRaw(chunked);
  const std::string piece = "100000\r\n" + std::string(0x100000, 'x') + "\r\n";
  for (int i = 0; i < 5 && chunker.SendRaw(piece);) ++i;
  EXPECT_EQ(chunker.Read().status, 413);
  EXPECT_EQ(tab->Get("/api/files?dir=..").status, 403);
  EXPECT_EQ(tab->Get("/../../etc/passwd").status, 403);
  auto state = nlohmann::json::parse(tab->Get("/api/state").body);
  EXPECT_TRUE(state["windows"].empty());
  EXPECT_TRUE(state["modals"].empty());

  // A real journey still works afterwards: New, then open the dialog, reload state, finish it.
  EXPECT_EQ(tab->Post(R"({"type": "command", "id": 40091})").status, 200);
  state = nlohmann::json::parse(tab->Get("/api/state").body);
  ASSERT_EQ(state["modals"].size(), 1u);
  EXPECT_EQ(state["modals"][0]["title"], "Create New Project ");
  EXPECT_EQ(tab->Post(R"({"type": "command", "id": 40091})").status, 409);  // the dialog is modal
  // The page resized meanwhile: the desktop takes the size although a dialog is open.
  EXPECT_EQ(tab->Post(R"({"type": "client-size", "width": 900, "height": 500})").status, 200);
  EXPECT_EQ(tab->Post(R"({"type": "click", "control": 1})").status, 200);
  EXPECT_EQ(tab->Post(R"({"type": "clipboard", "text": "5\r\n6\r\n7\r\n"})").status, 200);
  EXPECT_EQ(tab->Post(R"({"type": "command", "id": 40152})").status, 200);
  EXPECT_EQ(tab->Post(R"({"type": "command", "id": 40074})").status, 200);  // Tile, in the new size
  state = nlohmann::json::parse(tab->Get("/api/state").body);
  ASSERT_EQ(state["windows"].size(), 1u);
  EXPECT_NE(state["windows"][0]["svg"].get<std::string>().find("<svg"), std::string::npos);
  EXPECT_LE(state["windows"][0]["width"].get<int>(), 900);
  EXPECT_EQ(state["frame"]["status"][0], "New Univariate Project");
  auto files = nlohmann::json::parse(tab->Get("/api/files").body);
  bool listed = false;
  for (auto& entry : files["entries"]) listed |= entry["name"] == "series.txt";
  EXPECT_TRUE(listed);
}

// Strangers that connect and send nothing, or half a request, cost the tab nothing.
TEST(WebServer, IdleAndHalfSentConnectionsDoNotHoldUpTheTab) {
  LiveWorkbench w;
  auto stream = w.Tab();
  EXPECT_EQ(stream->Get("/api/events").status, 200);
  std::vector<std::unique_ptr<HttpTestClient>> strangers;
  for (int i = 0; i < 64; ++i) strangers.push_back(std::make_unique<HttpTestClient>(w.port));
  for (int i = 0; i < 64; ++i) {
    strangers.push_back(std::make_unique<HttpTestClient>(w.port));
    strangers.back()->SendRaw("POST /api/event HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Le");
  }
  auto tab = w.Tab();
  std::vector<double> ms;
  for (int i = 0; i < 40; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const int status = tab->Post(R"({"type": "client-size", "width": 1000, "height": 700})").status;
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    ASSERT_EQ(status, 200);
  }
  std::sort(ms.begin(), ms.end());
  EXPECT_LT(ms[ms.size() / 2], 100.0);
  EXPECT_NE(stream->ReadUntil("data: ", 5000), "");  // the stream is still served
}

// A flood of headers is cut at a bounded size, before any token is looked at.
TEST(WebServer, HeaderFloodsAreCutWithBoundedMemory) {
  LiveWorkbench w;
  auto residentKiB = [] {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
      if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0L;
  };
  const long before = residentKiB();
  std::string block;
  for (int i = 0; i < 4096; ++i) block += "X-Flood: aaaaaaaa\r\n";
  std::vector<std::thread> flooders;
  for (int c = 0; c < 4; ++c)
    flooders.emplace_back([&] {
      HttpTestClient flood(w.port);
      flood.SendRaw("GET /api/state HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(w.port) + "\r\n");
      for (int i = 0; i < 400 && flood.SendRaw(block); ++i) {
      }
    });
  for (auto& t : flooders) t.join();
  EXPECT_LT(residentKiB() - before, 64 * 1024);
  std::string many = "GET /api/state HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(w.port) + "\r\n";
  for (int i = 0; i < 101; ++i) many += "X-" + std::to_string(i) + ": 1\r\n";
  HttpTestClient fields(w.port);
  fields.SendRaw(many + "\r\n");
  EXPECT_EQ(fields.Read().status, 431);
  EXPECT_EQ(w.Tab()->Get("/api/state").status, 200);
}

TEST(WebServer, SlowHeadersAreCutAfterTheTimeLimit) {
  HttpHandlers answerAll{[](const HttpRequest&) { return std::optional<HttpResponse>(); },
                         [](const HttpRequest&, std::shared_ptr<HttpExchange> e) { e->Respond({}); }};
  HttpLimits limits;
  limits.headerTime = std::chrono::milliseconds(300);
  HttpServer server(answerAll, limits);
  int port = 18800;
  while (!server.Listen(port)) ++port;
  server.Start();
  HttpTestClient slow(port), quick(port);
  slow.SendRaw("GET / HTTP/1.1\r\nHost: x\r\n");
  EXPECT_EQ(quick.Get("/").status, 200);
  std::this_thread::sleep_for(std::chrono::milliseconds(600));
  EXPECT_EQ(slow.ReadUntil("\r\n\r\n", 3000), "");  // closed without an answer
  EXPECT_EQ(quick.Get("/").status, 200);            // admitted: kept alive
}

TEST(WebServer, PortsAreNotSharedAndEachHasItsOwnCookie) {
  LiveWorkbench first, second;
  EXPECT_NE(first.port, second.port);
  WebEventSource source;
  WebServer sameExactPort({first.port, true, first.root, first.root, "t"}, source);
  EXPECT_EQ(sameExactPort.Bind(), 0);
  HttpTestClient firstsCookieAtSecond(second.port, "kora_token_" + std::to_string(second.port) + "=" + first.token);
  EXPECT_EQ(firstsCookieAtSecond.Get("/api/state").status, 403);
  EXPECT_EQ(second.Tab()->Get("/api/state").status, 200);
}

}  // namespace
}  // namespace kora::platform
