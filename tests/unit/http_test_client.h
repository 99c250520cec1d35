// A plain HTTP/1.1 client over one kept-alive TCP connection, as a browser
// tab holds one: for the web server tests and the latency benchmark. It can
// also send raw bytes, to play clients that misbehave.
#pragma once

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <map>
#include <string>

namespace kora::testing {

struct HttpTestResponse {
  int status = -1;  // -1: no answer (closed or timed out)
  std::map<std::string, std::string> headers;  // names in lower case
  std::string body;
  std::string Header(const std::string& name) const {
    auto it = headers.find(name);
    return it == headers.end() ? "" : it->second;
  }
};

class HttpTestClient {
 public:
  explicit HttpTestClient(int port, std::string cookie = {}) : port_(port), cookie_(std::move(cookie)) {
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
      close(fd_);
      fd_ = -1;
    }
    int on = 1;
    if (fd_ >= 0) setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  }
  ~HttpTestClient() {
    if (fd_ >= 0) close(fd_);
  }
  HttpTestClient(const HttpTestClient&) = delete;
  HttpTestClient& operator=(const HttpTestClient&) = delete;

  bool connected() const { return fd_ >= 0; }

  bool SendRaw(const std::string& bytes) {
    size_t sent = 0;
    while (fd_ >= 0 && sent < bytes.size()) {
      const ssize_t n = send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) return false;
      sent += static_cast<size_t>(n);
    }
    return fd_ >= 0;
  }

  // A request with the Host of the server, the cookie (if any) and `headers`
  // ("Name: value\r\n" lines, which may replace the Host).
  HttpTestResponse Request(const std::string& method, const std::string& target, const std::string& body = {},
                           const std::string& headers = {}, int timeoutMs = 10000) {
    std::string request = method + " " + target + " HTTP/1.1\r\n";
    if (headers.find("Host:") == std::string::npos) request += "Host: 127.0.0.1:" + std::to_string(port_) + "\r\n";
    if (!cookie_.empty()) request += "Cookie: " + cookie_ + "\r\n";
    request += headers;
    if (method == "POST") request += "Content-Type: application/json\r\nContent-Length: " + std::to_string(body.size()) + "\r\n";
    request += "\r\n" + body;
    if (!SendRaw(request)) return {};
    return Read(timeoutMs);
  }
  HttpTestResponse Get(const std::string& target, const std::string& headers = {}) {
    return Request("GET", target, {}, headers);
  }
  HttpTestResponse Post(const std::string& body) { return Request("POST", "/api/event", body); }

  // One response (Content-Length or chunked body).
  HttpTestResponse Read(int timeoutMs = 10000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    HttpTestResponse response;
    size_t headerEnd;
    while ((headerEnd = buffer_.find("\r\n\r\n")) == std::string::npos)
      if (!Fill(deadline)) return {};
    const std::string head = buffer_.substr(0, headerEnd);
    buffer_.erase(0, headerEnd + 4);
    response.status = std::atoi(head.substr(head.find(' ') + 1, 3).c_str());
    for (size_t line = head.find("\r\n"); line != std::string::npos;) {
      const size_t next = head.find("\r\n", line + 2);
      const std::string field = head.substr(line + 2, next == std::string::npos ? std::string::npos : next - line - 2);
      const size_t colon = field.find(':');
      std::string name = field.substr(0, colon);
      for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      response.headers[name] = field.substr(field.find_first_not_of(' ', colon + 1));
      line = next;
    }
    if (response.Header("transfer-encoding") == "chunked") return response;  // a stream: read it with ReadUntil
    const size_t length = std::strtoul(response.Header("content-length").c_str(), nullptr, 10);
    while (buffer_.size() < length)
      if (!Fill(deadline)) return {};
    response.body = buffer_.substr(0, length);
    buffer_.erase(0, length);
    return response;
  }

  // Reads until `marker` has arrived; returns everything read, or "" on timeout.
  std::string ReadUntil(const std::string& marker, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (buffer_.find(marker) == std::string::npos)
      if (!Fill(deadline)) return {};
    std::string all;
    all.swap(buffer_);
    return all;
  }

 private:
  bool Fill(std::chrono::steady_clock::time_point deadline) {
    if (fd_ < 0) return false;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd p{fd_, POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
    char chunk[65536];
    const ssize_t n = recv(fd_, chunk, sizeof chunk, 0);
    if (n <= 0) return false;
    buffer_.append(chunk, static_cast<size_t>(n));
    return true;
  }

  int fd_ = -1;
  int port_;
  std::string cookie_;
  std::string buffer_;
};

}  // namespace kora::testing
