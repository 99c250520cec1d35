#include "platform/web/web_server.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

#include "platform/web/event_json.h"
#include "platform/web/root_paths.h"
#include "platform/web/http_server.h"

namespace kora::platform {

namespace fs = std::filesystem;
using nlohmann::json;

std::string RandomToken() {
  std::random_device device;
  std::ostringstream out;
  for (int i = 0; i < 4; ++i) out << std::hex << device();
  return out.str();
}

namespace {

std::string ContentType(const fs::path& file) {
  const std::string ext = file.extension().string();
  if (ext == ".html") return "text/html; charset=utf-8";
  if (ext == ".js" || ext == ".mjs") return "text/javascript; charset=utf-8";
  if (ext == ".css") return "text/css; charset=utf-8";
  if (ext == ".svg") return "image/svg+xml";
  if (ext == ".png") return "image/png";
  if (ext == ".json") return "application/json";
  return "application/octet-stream";
}

bool ReadWholeFile(const fs::path& file, std::string& out) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  out = buffer.str();
  return true;
}

// The value of the cookie `name` in a Cookie header, or "".
std::string CookieValue(const std::string& cookies, const std::string& name) {
  const std::string key = name + "=";
  size_t pos = 0;
  while ((pos = cookies.find(key, pos)) != std::string::npos) {
    if (pos == 0 || cookies[pos - 1] == ' ' || cookies[pos - 1] == ';') {
      size_t end = cookies.find(';', pos);
      return cookies.substr(pos + key.size(), end == std::string::npos ? std::string::npos : end - pos - key.size());
    }
    pos += key.size();
  }
  return {};
}

HttpResponse JsonError(int status, const std::string& message) {
  return {status, "application/json", json{{"ok", false}, {"error", message}}.dump(), {}};
}

HttpResponse Json(const json& body) { return {200, "application/json", body.dump(), {{"Cache-Control", "no-store"}}}; }

}  // namespace

struct WebServer::Impl {
  WebServerOptions options;
  WebEventSource& source;
  HttpServer server;
  int port = 0;

  Impl(WebServerOptions o, WebEventSource& s)
      : options(std::move(o)),
        source(s),
        server({[this](const HttpRequest& req) { return Refusal(req); },
                [this](const HttpRequest& req, std::shared_ptr<HttpExchange> exchange) { Handle(req, exchange); }}) {}

  // Each workbench has its own cookie, so that two on different ports do not log each other out.
  std::string CookieName() const { return "kora_token_" + std::to_string(port); }

  bool TokenInQuery(const HttpRequest& req) const {
    auto it = req.query.find("token");
    return it != req.query.end() && it->second == options.token;
  }

  std::optional<HttpResponse> Refusal(const HttpRequest& req) {
    const std::string portText = std::to_string(port);
    if (req.host != "127.0.0.1:" + portText && req.host != "localhost:" + portText)
      return JsonError(403, "this workbench answers only on its loopback address");
    if (!req.origin.empty() && req.origin != "http://127.0.0.1:" + portText && req.origin != "http://localhost:" + portText)
      return JsonError(403, "foreign origin");
    if (TokenInQuery(req) || CookieValue(req.cookie, CookieName()) == options.token) return std::nullopt;
    return JsonError(403, "open the address printed by kora (it carries the launch token)");
  }

  HttpResponse ServeFile(const fs::path& base, const std::string& relative) {
    std::string rel = relative.empty() ? "index.html" : relative;
    if (!rel.empty() && rel.back() == '/') rel += "index.html";
    if (!PathInsideRoot(base, rel)) return JsonError(403, "outside the served folder");
    std::string body;
    if (!ReadWholeFile(base / rel, body)) return JsonError(404, "not found");
    return {200, ContentType(base / rel), std::move(body), {{"Cache-Control", "no-store"}}};
  }

  HttpResponse ListFiles(const HttpRequest& req) {
    auto given = req.query.find("dir");
    std::string dir = given != req.query.end() ? given->second : "";
    if (dir.empty()) dir = ".";
    if (!PathInsideRoot(options.root, dir)) return JsonError(403, "outside the root folder");
    // Names that are not UTF-8 come escaped (root_paths.h).
    auto listing = FolderListing(options.root, dir);
    if (!listing) return JsonError(404, "no such folder");
    return Json(*listing);
  }

  void PostEvent(const HttpRequest& req, std::shared_ptr<HttpExchange> exchange) {
    auto parsed = ParseEventJson(req.body);
    if (auto* error = std::get_if<std::string>(&parsed)) return exchange->Respond(JsonError(400, *error));
    UserEvent event = std::get<UserEvent>(parsed);
    if (event.type == EventType::File && !PathInsideRoot(options.root, event.text))
      return exchange->Respond(JsonError(403, "outside the root folder"));
    source.Submit(std::move(event), [exchange](EventAnswer answer) {
      exchange->Respond(answer.ok ? Json({{"ok", true}, {"seq", answer.seq}}) : JsonError(409, answer.error));
    });
  }

  // Server-sent events: every new snapshot, and the progress text of a
  // computation that runs now (with the number of the snapshot it belongs to).
  void Stream(std::shared_ptr<HttpExchange> exchange) {
    exchange->Stream([this, lastSeq = uint64_t{0}, lastProgress = uint64_t{0}]() mutable {
      const WebEventSource::Published now = source.Latest();
      std::string text;
      if (now.seq > lastSeq) {
        text = "data: " + *now.snapshot + "\n\n";
        lastSeq = now.seq;
      }
      if (now.progressSerial > lastProgress) {
        text += "event: progress\ndata: " + json{{"seq", now.seq}, {"status", now.progress}}.dump() + "\n\n";
        lastProgress = now.progressSerial;
      }
      return text;
    });
  }

  void Handle(const HttpRequest& req, std::shared_ptr<HttpExchange> exchange) {
    HttpResponse response;
    if (req.method == "POST" && req.path == "/api/event") return PostEvent(req, exchange);
    if (req.method != "GET") {
      response = JsonError(405, "method not allowed");
    } else if (req.path == "/api/events") {
      return Stream(exchange);
    } else if (req.path == "/api/state") {
      response = {200, "application/json", *source.Latest().snapshot, {{"Cache-Control", "no-store"}}};
    } else if (req.path == "/api/files") {
      response = ListFiles(req);
    } else if (req.path.rfind("/help/", 0) == 0) {
      response = ServeFile(options.webDir / "help", req.path.substr(6));
    } else {
      response = ServeFile(options.webDir, req.path.substr(1));
    }
    if (TokenInQuery(req))
      response.headers.push_back({"Set-Cookie", CookieName() + "=" + options.token + "; Path=/; HttpOnly; SameSite=Strict"});
    exchange->Respond(std::move(response));
  }
};

WebServer::WebServer(WebServerOptions options, WebEventSource& source)
    : impl_(std::make_unique<Impl>(std::move(options), source)) {
  impl_->source.onPublished = [this] { impl_->server.WakeStreams(); };
}

WebServer::~WebServer() {
  Stop();
  impl_->source.onPublished = nullptr;
}

int WebServer::Bind() {
  const int attempts = impl_->options.exactPort ? 1 : 50;
  for (int i = 0; i < attempts; ++i) {
    const int port = impl_->options.port + i;
    if (port <= 65535 && impl_->server.Listen(port)) return impl_->port = port;
  }
  return 0;
}

void WebServer::StopOnSignals() {
  impl_->server.OnSignals([this] { impl_->source.Shutdown(); });
}

void WebServer::Start() { impl_->server.Start(); }

void WebServer::Stop() {
  impl_->source.Shutdown();
  impl_->server.Stop();
}

}  // namespace kora::platform
