#pragma once
// A small HTTP server on 127.0.0.1 run by the test itself in a thread. It
// records every request and answers each as its behaviour says.

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The few socket calls that differ between Winsock and POSIX.
namespace test_sockets {
#ifdef _WIN32
using Socket = SOCKET;
constexpr int NoSignal = 0;
inline void Start() {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
}
inline void Close(Socket socket) { closesocket(socket); }
inline int Poll(Socket socket, short events, int timeoutMs) {
  WSAPOLLFD entry{socket, events, 0};
  return WSAPoll(&entry, 1, timeoutMs);
}
#else
using Socket = int;
constexpr int NoSignal = MSG_NOSIGNAL;
inline void Start() {}
inline void Close(Socket socket) { close(socket); }
inline int Poll(Socket socket, short events, int timeoutMs) {
  pollfd entry{socket, events, 0};
  return poll(&entry, 1, timeoutMs);
}
#endif
}  // namespace test_sockets

class TestHttpServer {
 public:
  enum class Behaviour {
    Answer,             // status line, headers, the body, then close
    CloseAfterHeaders,  // status line and headers, then close
    Silent,             // reads the request and never answers
    Endless,            // headers, then body bytes until the client gives up
  };

  // Request i is answered with bodies[i], the last body repeating.
  explicit TestHttpServer(Behaviour behaviour, std::vector<std::string> bodies = {""})
      : behaviour_(behaviour), bodies_(std::move(bodies)) {
    test_sockets::Start();
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 8);
    socklen_t length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }

  ~TestHttpServer() {
    stop_ = true;
    thread_.join();
    for (test_sockets::Socket held : held_) test_sockets::Close(held);
    test_sockets::Close(listener_);
  }

  int Port() const { return port_; }
  std::string HostField() const { return "127.0.0.1:" + std::to_string(port_); }

  std::vector<std::string> Requests() {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
  }

  // A port on 127.0.0.1 where nothing listens.
  static int ClosedPort() {
    TestHttpServer probe(Behaviour::Answer);
    return probe.Port();
  }

 private:
  bool WaitFor(test_sockets::Socket fd, short events) {
    while (!stop_) {
      if (test_sockets::Poll(fd, events, 20) > 0) return true;
    }
    return false;
  }

  std::string ReadRequest(test_sockets::Socket client) {
    std::string request;
    char block[1024];
    while (request.find("\r\n\r\n") == std::string::npos && WaitFor(client, POLLIN)) {
      const auto count = recv(client, block, sizeof block, 0);
      if (count <= 0) break;
      request.append(block, static_cast<size_t>(count));
    }
    return request;
  }

  void SendAll(test_sockets::Socket client, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
      const auto sent = send(client, text.data() + done, static_cast<int>(text.size() - done), test_sockets::NoSignal);
      if (sent <= 0) return;
      done += static_cast<size_t>(sent);
    }
  }

  void Serve() {
    while (WaitFor(listener_, POLLIN)) {
      const test_sockets::Socket client = accept(listener_, nullptr, nullptr);
      if (client == static_cast<test_sockets::Socket>(-1)) continue;
      const std::string request = ReadRequest(client);
      size_t index;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        index = requests_.size();
        requests_.push_back(request);
      }
      const std::string headers = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n";
      switch (behaviour_) {
        case Behaviour::Answer:
          SendAll(client, headers + bodies_[std::min(index, bodies_.size() - 1)]);
          break;
        case Behaviour::CloseAfterHeaders:
          SendAll(client, headers);
          break;
        case Behaviour::Silent:
          held_.push_back(client);
          continue;
        case Behaviour::Endless: {
          SendAll(client, headers);
          const std::string block(4096, 'x');
          while (WaitFor(client, POLLOUT) && send(client, block.data(), static_cast<int>(block.size()), test_sockets::NoSignal) > 0) {
          }
          break;
        }
      }
      test_sockets::Close(client);
    }
  }

  Behaviour behaviour_;
  std::vector<std::string> bodies_;
  test_sockets::Socket listener_;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  std::mutex mutex_;
  std::vector<std::string> requests_;
  std::vector<test_sockets::Socket> held_;
};
