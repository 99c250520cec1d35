#include "platform/web/http_server.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <list>
#include <thread>

namespace kora::platform {

namespace net = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = net::ip::tcp;
using namespace std::chrono_literals;

namespace {

constexpr auto kWriteTimeout = 60s;
constexpr auto kStreamPing = 15s;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string PercentDecoded(std::string_view text, bool plusIsSpace) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
      out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
      i += 2;
    } else {
      out += plusIsSpace && text[i] == '+' ? ' ' : text[i];
    }
  }
  return out;
}

void ParseTarget(std::string_view target, HttpRequest& request) {
  const size_t question = target.find('?');
  request.path = PercentDecoded(target.substr(0, question), false);
  if (question == std::string_view::npos) return;
  std::string_view query = target.substr(question + 1);
  while (!query.empty()) {
    const size_t amp = query.find('&');
    const std::string_view pair = query.substr(0, amp);
    const size_t eq = pair.find('=');
    request.query[PercentDecoded(pair.substr(0, eq), true)] =
        eq == std::string_view::npos ? "" : PercentDecoded(pair.substr(eq + 1), true);
    query = amp == std::string_view::npos ? std::string_view{} : query.substr(amp + 1);
  }
}

HttpResponse Refusal(int status, const std::string& message) {
  return {status, "application/json", "{\"ok\":false,\"error\":\"" + message + "\"}", {}};
}

}  // namespace

class Session;

struct HttpServer::Impl {
  HttpHandlers handlers;
  HttpLimits limits;
  net::io_context io{1};
  tcp::acceptor acceptor{io};
  net::signal_set signals{io};
  net::steady_timer acceptRetry{io};
  std::list<std::weak_ptr<Session>> sessions;  // oldest first
  std::thread thread;

  void Accept();
  void Track(const std::shared_ptr<Session>& session);
  void Wake();
};

class Session : public HttpExchange, public std::enable_shared_from_this<Session> {
 public:
  Session(tcp::socket socket, HttpServer::Impl& server) : server_(server), stream_(std::move(socket)) {}

  void Start() { ReadHeader(); }
  const HttpLimits& limits() const { return server_.limits; }
  bool admitted() const { return admitted_; }
  void Close() {
    beast::error_code ec;
    stream_.socket().shutdown(tcp::socket::shutdown_both, ec);
    stream_.close();
  }

  void Respond(HttpResponse response) override {
    net::post(stream_.get_executor(),
              [self = shared_from_this(), r = std::move(response)]() mutable { self->Write(std::move(r), false); });
  }

  void Stream(std::function<std::string()> next) override {
    next_ = std::move(next);
    stream_.expires_never();
    pending_ =
        "HTTP/1.1 200 OK\r\nContent-Type: text/event-stream\r\nCache-Control: no-store\r\n"
        "Transfer-Encoding: chunked\r\n\r\n";
    Pull();
    WatchForClose();
    Ping();
  }

  // An event stream sends what is new; other connections ignore the call.
  void Wake() {
    if (next_) Pull();
  }

 private:
  void ReadHeader() {
    parser_.emplace();
    parser_->header_limit(static_cast<std::uint32_t>(limits().headerBytes));
    parser_->body_limit(limits().bodyBytes);
    stream_.expires_after(admitted_ ? limits().idleTime : limits().headerTime);
    http::async_read_header(stream_, buffer_, *parser_,
                            [self = shared_from_this()](beast::error_code ec, size_t) { self->OnHeader(ec); });
  }

  void OnHeader(beast::error_code ec) {
    if (ec == http::error::header_limit || ec == http::error::buffer_overflow)
      return Write(Refusal(431, "request headers too large"), true);
    if (ec == http::error::body_limit) return Write(Refusal(413, "request body too large"), true);  // by its length
    if (ec) return Close();
    const auto& header = parser_->get();
    if (std::distance(header.begin(), header.end()) > limits().headerFields)
      return Write(Refusal(431, "too many request headers"), true);
    request_ = {};
    request_.method = std::string(header.method_string());
    ParseTarget({header.target().data(), header.target().size()}, request_);
    request_.host = std::string(header[http::field::host]);
    request_.origin = std::string(header[http::field::origin]);
    request_.cookie = std::string(header[http::field::cookie]);
    keepAlive_ = header.keep_alive();
    if (auto refusal = server_.handlers.admit(request_)) return Write(std::move(*refusal), true);
    admitted_ = true;
    if (parser_->is_done()) return Handle();
    stream_.expires_after(limits().bodyTime);
    http::async_read(stream_, buffer_, *parser_, [self = shared_from_this()](beast::error_code ec, size_t) {
      if (ec == http::error::body_limit) return self->Write(Refusal(413, "request body too large"), true);
      if (ec) return self->Close();
      self->request_.body = std::move(self->parser_->get().body());
      self->Handle();
    });
  }

  void Handle() {
    stream_.expires_never();  // the answer may wait for the application
    ++served_;
    server_.handlers.handle(request_, shared_from_this());
  }

  void Write(HttpResponse r, bool close) {
    response_ = {};
    response_.version(11);
    response_.result(static_cast<unsigned>(r.status));
    response_.set(http::field::content_type, r.contentType);
    for (auto& [name, value] : r.headers) response_.set(name, value);
    response_.body() = std::move(r.body);
    response_.keep_alive(!close && keepAlive_ && served_ < limits().requestsPerConnection);
    response_.prepare_payload();
    stream_.expires_after(kWriteTimeout);
    http::async_write(stream_, response_, [self = shared_from_this()](beast::error_code ec, size_t) {
      if (ec) return self->Close();
      if (!self->response_.keep_alive()) return self->LingeringClose();
      self->ReadHeader();
    });
  }

  // Closing at once with unread request bytes would reset the connection and
  // could destroy the answer before the client reads it: stop sending, then
  // read and drop what still comes, for a bounded time and amount.
  void LingeringClose() {
    beast::error_code ec;
    stream_.socket().shutdown(tcp::socket::shutdown_send, ec);
    stream_.expires_after(2s);
    Drain(0);
  }
  void Drain(size_t drained) {
    stream_.async_read_some(net::buffer(probe_), [self = shared_from_this(), drained](beast::error_code ec, size_t n) {
      if (ec || drained + n > (8u << 20)) return self->Close();
      self->Drain(drained + n);
    });
  }

  // Event stream: one write at a time; what arrives meanwhile waits in pending_.
  void Pull() {
    const std::string text = next_();
    if (!text.empty()) {
      char size[20];
      snprintf(size, sizeof size, "%zx\r\n", text.size());
      pending_ += size + text + "\r\n";
    }
    Flush();
  }

  void Flush() {
    if (writing_ || pending_.empty()) return;
    writing_ = true;
    sending_ = std::move(pending_);
    pending_.clear();
    stream_.expires_after(kWriteTimeout);
    net::async_write(stream_, net::buffer(sending_), [self = shared_from_this()](beast::error_code ec, size_t) {
      self->writing_ = false;
      self->stream_.expires_never();
      if (ec) return self->Close();
      self->Flush();
    });
  }

  void Ping() {
    ping_.expires_after(kStreamPing);
    ping_.async_wait([weak = weak_from_this()](beast::error_code ec) {
      auto self = weak.lock();
      if (ec || !self || !self->stream_.socket().is_open()) return;
      self->pending_ += "f\r\n: keep-alive\n\n\r\n";
      self->Flush();
      self->Ping();
    });
  }

  // The page sends nothing on a stream: a read ends only when it goes away.
  void WatchForClose() {
    stream_.socket().async_read_some(net::buffer(probe_), [self = shared_from_this()](beast::error_code ec, size_t) {
      if (ec) {
        self->ping_.cancel();
        return self->Close();
      }
      self->WatchForClose();
    });
  }

  HttpServer::Impl& server_;
  beast::tcp_stream stream_;
  beast::flat_buffer buffer_{server_.limits.headerBytes + 4096};
  std::optional<http::request_parser<http::string_body>> parser_;
  HttpRequest request_;
  http::response<http::string_body> response_;
  bool admitted_ = false;
  bool keepAlive_ = true;
  int served_ = 0;
  // Event stream
  std::function<std::string()> next_;
  std::string pending_, sending_;
  bool writing_ = false;
  net::steady_timer ping_{stream_.get_executor()};
  char probe_[16384];
};

void HttpServer::Impl::Accept() {
  acceptor.async_accept([this](beast::error_code ec, tcp::socket socket) {
    if (ec == net::error::operation_aborted) return;
    if (ec) {  // out of descriptors, for instance: try again a little later
      acceptRetry.expires_after(100ms);
      acceptRetry.async_wait([this](beast::error_code e) {
        if (!e) Accept();
      });
      return;
    }
    socket.set_option(tcp::no_delay(true), ec);
    auto session = std::make_shared<Session>(std::move(socket), *this);
    Track(session);
    session->Start();
    Accept();
  });
}

// Keeps the number of connections bounded: when full, the oldest connection
// that has not yet sent an admitted request makes room.
void HttpServer::Impl::Track(const std::shared_ptr<Session>& session) {
  sessions.remove_if([](const std::weak_ptr<Session>& s) { return s.expired(); });
  if (sessions.size() >= limits.connections) {
    for (auto it = sessions.begin(); it != sessions.end(); ++it) {
      auto old = it->lock();
      if (old && !old->admitted()) {
        old->Close();
        sessions.erase(it);
        break;
      }
    }
  }
  if (sessions.size() >= limits.connections) return session->Close();
  sessions.push_back(session);
}

void HttpServer::Impl::Wake() {
  for (auto& weak : sessions)
    if (auto s = weak.lock()) s->Wake();
}

HttpServer::HttpServer(HttpHandlers handlers, HttpLimits limits) : impl_(std::make_unique<Impl>()) {
  impl_->handlers = std::move(handlers);
  impl_->limits = limits;
}

HttpServer::~HttpServer() { Stop(); }

bool HttpServer::Listen(int port) {
  beast::error_code ec;
  tcp::acceptor& acceptor = impl_->acceptor;
  acceptor.open(tcp::v4(), ec);
  // SO_REUSEADDR only lets a restart bind over connections still in TIME_WAIT;
  // without SO_REUSEPORT no other listener can share the port.
  if (!ec) acceptor.set_option(net::socket_base::reuse_address(true), ec);
  if (!ec) acceptor.bind({net::ip::make_address_v4("127.0.0.1"), static_cast<unsigned short>(port)}, ec);
  if (!ec) acceptor.listen(net::socket_base::max_listen_connections, ec);
  if (!ec) return true;
  beast::error_code ignored;
  acceptor.close(ignored);
  return false;
}

void HttpServer::OnSignals(std::function<void()> stop) {
  impl_->signals.add(SIGINT);
  impl_->signals.add(SIGTERM);
  impl_->signals.async_wait([stop = std::move(stop)](beast::error_code ec, int) {
    if (!ec) stop();
  });
}

void HttpServer::Start() {
  impl_->Accept();
  impl_->thread = std::thread([this] { impl_->io.run(); });
}

void HttpServer::WakeStreams() {
  net::post(impl_->io, [this] { impl_->Wake(); });
}

void HttpServer::Stop() {
  impl_->io.stop();
  if (impl_->thread.joinable()) impl_->thread.join();
}

}  // namespace kora::platform
