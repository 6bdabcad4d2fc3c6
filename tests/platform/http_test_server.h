#pragma once
// A small HTTP server on 127.0.0.1 run by the test itself in a thread. It
// records every request and answers each as its behaviour says.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

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
    for (int held : held_) close(held);
    close(listener_);
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
  bool WaitFor(int fd, short events) {
    while (!stop_) {
      pollfd entry{fd, events, 0};
      if (poll(&entry, 1, 20) > 0) return true;
    }
    return false;
  }

  std::string ReadRequest(int client) {
    std::string request;
    char block[1024];
    while (request.find("\r\n\r\n") == std::string::npos && WaitFor(client, POLLIN)) {
      const ssize_t count = recv(client, block, sizeof block, 0);
      if (count <= 0) break;
      request.append(block, static_cast<size_t>(count));
    }
    return request;
  }

  void SendAll(int client, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
      const ssize_t sent = send(client, text.data() + done, text.size() - done, MSG_NOSIGNAL);
      if (sent <= 0) return;
      done += static_cast<size_t>(sent);
    }
  }

  void Serve() {
    while (WaitFor(listener_, POLLIN)) {
      const int client = accept(listener_, nullptr, nullptr);
      if (client < 0) continue;
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
          while (WaitFor(client, POLLOUT) && send(client, block.data(), block.size(), MSG_NOSIGNAL) > 0) {
          }
          break;
        }
      }
      close(client);
    }
  }

  Behaviour behaviour_;
  std::vector<std::string> bodies_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  std::mutex mutex_;
  std::vector<std::string> requests_;
  std::vector<int> held_;
};
