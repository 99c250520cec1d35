#include "platform/web/web_server.h"

#include <httplib.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <thread>

#include "platform/web/event_json.h"
#include "platform/web/root_paths.h"

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

std::string CookieToken(const httplib::Request& req) {
  const std::string cookies = req.get_header_value("Cookie");
  const std::string key = "kora_token=";
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

void JsonError(httplib::Response& res, int status, const std::string& message) {
  res.status = status;
  res.set_content(json{{"ok", false}, {"error", message}}.dump(), "application/json");
}

}  // namespace

struct WebServer::Impl {
  WebServerOptions options;
  WebEventSource& source;
  httplib::Server server;
  std::thread thread;
  int port = 0;

  Impl(WebServerOptions o, WebEventSource& s) : options(std::move(o)), source(s) {}

  bool Allowed(const httplib::Request& req, httplib::Response& res) {
    const std::string host = req.get_header_value("Host");
    const std::string portText = std::to_string(port);
    if (host != "127.0.0.1:" + portText && host != "localhost:" + portText) {
      JsonError(res, 403, "this workbench answers only on its loopback address");
      return false;
    }
    const std::string origin = req.get_header_value("Origin");
    if (!origin.empty() && origin != "http://127.0.0.1:" + portText && origin != "http://localhost:" + portText) {
      JsonError(res, 403, "foreign origin");
      return false;
    }
    const bool tokenInQuery = req.has_param("token") && req.get_param_value("token") == options.token;
    if (tokenInQuery) {
      res.set_header("Set-Cookie", "kora_token=" + options.token + "; Path=/; HttpOnly; SameSite=Strict");
      return true;
    }
    if (CookieToken(req) == options.token) return true;
    JsonError(res, 403, "open the address printed by kora (it carries the launch token)");
    return false;
  }

  void ServeFile(const fs::path& base, const std::string& relative, httplib::Response& res) {
    std::string rel = relative.empty() ? "index.html" : relative;
    if (!rel.empty() && rel.back() == '/') rel += "index.html";
    if (!PathInsideRoot(base, rel)) return JsonError(res, 403, "outside the served folder");
    std::string body;
    if (!ReadWholeFile(base / rel, body)) return JsonError(res, 404, "not found");
    res.set_header("Cache-Control", "no-store");
    res.set_content(body, ContentType(base / rel).c_str());
  }

  void ListFiles(const httplib::Request& req, httplib::Response& res) {
    std::string dir = req.has_param("dir") ? req.get_param_value("dir") : "";
    if (dir.empty()) dir = ".";
    if (!PathInsideRoot(options.root, dir)) return JsonError(res, 403, "outside the root folder");
    // Names that are not UTF-8 come escaped (root_paths.h).
    auto listing = FolderListing(options.root, dir);
    if (!listing) return JsonError(res, 404, "no such folder");
    res.set_content(listing->dump(), "application/json");
  }

  void PostEvent(const httplib::Request& req, httplib::Response& res) {
    auto parsed = ParseEventJson(req.body);
    if (auto* error = std::get_if<std::string>(&parsed)) return JsonError(res, 400, *error);
    UserEvent event = std::get<UserEvent>(parsed);
    if (event.type == EventType::File && !PathInsideRoot(options.root, event.text))
      return JsonError(res, 403, "outside the root folder");
    EventAnswer answer = source.Submit(std::move(event));
    if (!answer.ok) return JsonError(res, 409, answer.error);
    res.set_content(json{{"ok", true}, {"seq", answer.seq}}.dump(), "application/json");
  }

  void Stream(httplib::Response& res) {
    res.set_header("Cache-Control", "no-store");
    res.set_chunked_content_provider("text/event-stream", [this, last = uint64_t{0}](size_t, httplib::DataSink& sink) mutable {
      if (source.shutDown()) return false;
      auto [seq, snapshot] = last == 0 ? source.Snapshot() : source.WaitSnapshot(last, 15000);
      std::string chunk;
      if (seq > last) {
        chunk = "data: " + snapshot + "\n\n";
        last = seq;
      } else {
        chunk = ": keep-alive\n\n";
      }
      return sink.write(chunk.data(), chunk.size());
    });
  }

  void Routes() {
    server.new_task_queue = [] { return new httplib::ThreadPool(16); };
    server.set_payload_max_length(4 << 20);
    server.set_keep_alive_timeout(30);
    server.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
      return Allowed(req, res) ? httplib::Server::HandlerResponse::Unhandled
                               : httplib::Server::HandlerResponse::Handled;
    });
    server.Get("/api/state", [this](const httplib::Request&, httplib::Response& res) {
      res.set_header("Cache-Control", "no-store");
      res.set_content(source.Snapshot().second, "application/json");
    });
    server.Get("/api/events", [this](const httplib::Request&, httplib::Response& res) { Stream(res); });
    server.Post("/api/event", [this](const httplib::Request& req, httplib::Response& res) { PostEvent(req, res); });
    server.Get("/api/files", [this](const httplib::Request& req, httplib::Response& res) { ListFiles(req, res); });
    server.Get(R"(/help/(.*))", [this](const httplib::Request& req, httplib::Response& res) {
      ServeFile(options.webDir / "help", req.matches[1], res);
    });
    server.Get(R"(/(.*))", [this](const httplib::Request& req, httplib::Response& res) {
      ServeFile(options.webDir, req.matches[1], res);
    });
  }
};

WebServer::WebServer(WebServerOptions options, WebEventSource& source)
    : impl_(std::make_unique<Impl>(std::move(options), source)) {
  impl_->Routes();
}

WebServer::~WebServer() { Stop(); }

int WebServer::Bind() {
  const int attempts = impl_->options.exactPort ? 1 : 50;
  for (int i = 0; i < attempts; ++i) {
    const int port = impl_->options.port + i;
    if (impl_->server.bind_to_port("127.0.0.1", port)) return impl_->port = port;
  }
  return 0;
}

void WebServer::Start() {
  impl_->thread = std::thread([this] { impl_->server.listen_after_bind(); });
}

void WebServer::Stop() {
  if (!impl_) return;
  impl_->source.Shutdown();
  impl_->server.stop();
  if (impl_->thread.joinable()) impl_->thread.join();
}

}  // namespace kora::platform
