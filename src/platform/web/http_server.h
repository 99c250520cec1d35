// A small HTTP/1.1 server on the loopback address: one thread runs every
// connection asynchronously, so idle or slow connections cost a socket and a
// few kilobytes, never a thread. Requests are limited before anything else
// looks at them (header size and count, time to send the headers, body size
// whatever the transfer encoding); connections are kept alive, with
// TCP_NODELAY, for hundreds of requests; a connection can become an event
// stream that is sent what is new each time the server is woken.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kora::platform {

struct HttpRequest {
  std::string method;  // "GET", "POST", ...
  std::string path;    // percent-decoded, without the query
  std::map<std::string, std::string> query;
  std::string host, origin, cookie;
  std::string body;
};

struct HttpResponse {
  int status = 200;
  std::string contentType = "application/json";
  std::string body;
  std::vector<std::pair<std::string, std::string>> headers;
};

// One request waiting for its answer. Respond may be called from any thread,
// once; Stream (on the server thread, from the handler) instead turns the
// connection into an event stream: `next` returns the text that is new since
// its last call (empty: nothing) and is called whenever the server is woken.
class HttpExchange {
 public:
  virtual ~HttpExchange() = default;
  virtual void Respond(HttpResponse response) = 0;
  virtual void Stream(std::function<std::string()> next) = 0;
};

struct HttpHandlers {
  // The headers have arrived: a refusal is sent at once and the body is never read.
  std::function<std::optional<HttpResponse>(const HttpRequest&)> admit;
  // An admitted request with its body, on the server thread.
  std::function<void(const HttpRequest&, std::shared_ptr<HttpExchange>)> handle;
};

struct HttpLimits {
  size_t headerBytes = 16 * 1024;
  long headerFields = 100;
  uint64_t bodyBytes = 4 << 20;  // decoded size, chunked or not
  std::chrono::milliseconds headerTime{10000};  // to send a new connection's first headers
  std::chrono::milliseconds idleTime{600000};   // between requests once one was admitted
  std::chrono::milliseconds bodyTime{30000};
  int requestsPerConnection = 500;
  size_t connections = 256;
};

class HttpServer {
 public:
  explicit HttpServer(HttpHandlers handlers, HttpLimits limits = {});
  ~HttpServer();
  // Listens on 127.0.0.1:port, for this process alone; false when the port is taken.
  bool Listen(int port);
  // SIGINT and SIGTERM call `stop` on the server thread (the signal handler
  // itself only wakes that thread).
  void OnSignals(std::function<void()> stop);
  void Start();
  // Any thread: every event stream is sent what is new.
  void WakeStreams();
  void Stop();

 private:
  struct Impl;
  friend class Session;  // a connection
  std::unique_ptr<Impl> impl_;
};

}  // namespace kora::platform
