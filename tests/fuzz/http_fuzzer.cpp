// The reply to the game's one request, read as the upload reads it: a server
// on this machine answers each request with the input, byte for byte, and
// closes. The body must come back without its line breaks and no longer
// than the reader's bound.

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "services/fetch_url.h"

namespace {

class ReplyServer {
 public:
  ReplyServer() {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(listener_, 8) != 0 || getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
      FuzzFailure("no listening socket on the loopback interface");
    }
    port_ = ntohs(address.sin_port);
    std::thread([this] { Serve(); }).detach();
  }

  int Port() const { return port_; }

  void SetReply(const uint8_t* data, size_t size) {
    const std::lock_guard<std::mutex> lock(mutex_);
    reply_.assign(data, data + size);
  }

  // Counted before a reply is sent, so a reader that got one sees the count.
  int Served() const { return served_; }

 private:
  void Serve() {
    for (;;) {
      const int connection = accept(listener_, nullptr, nullptr);
      if (connection < 0) continue;
      SkipRequest(connection);
      std::vector<uint8_t> reply;
      {
        const std::lock_guard<std::mutex> lock(mutex_);
        reply = reply_;
      }
      ++served_;
      // The reader may hang up early (it stops at its bound): no SIGPIPE then.
      for (size_t sent = 0; sent < reply.size();) {
        const ssize_t count = send(connection, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
        if (count <= 0) break;
        sent += static_cast<size_t>(count);
      }
      // The game hangs up first, so the closed connections wait on its side.
      shutdown(connection, SHUT_WR);
      WaitForHangUp(connection);
      close(connection);
    }
  }

  // The request ends at its blank line; its content is the game's business.
  static void SkipRequest(int connection) {
    std::string request;
    char buffer[512];
    while (request.find("\r\n\r\n") == std::string::npos && Readable(connection)) {
      const ssize_t count = recv(connection, buffer, sizeof buffer, 0);
      if (count <= 0) return;
      request.append(buffer, static_cast<size_t>(count));
    }
  }

  static void WaitForHangUp(int connection) {
    char buffer[512];
    while (Readable(connection) && recv(connection, buffer, sizeof buffer, 0) > 0) {
    }
  }

  static bool Readable(int connection) {
    pollfd entry{connection, POLLIN, 0};
    return poll(&entry, 1, 2000) > 0;
  }

  int listener_ = -1;
  int port_ = 0;
  std::mutex mutex_;
  std::vector<uint8_t> reply_;
  std::atomic<int> served_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static ReplyServer* server = new ReplyServer;
  uploadEnabled = true;
  server->SetReply(data, size);
  const int served = server->Served();
  const std::string body = FetchUrl("http::127.0.0.1:" + std::to_string(server->Port()) + "/upload/01.php?a=x");
  if (server->Served() == served) FuzzFailure("no connection to the server on this machine");
  if (body.size() > LongestReply) FuzzFailure("a reply body of " + std::to_string(body.size()) + " bytes");
  if (body.find_first_of("\r\n") != std::string::npos) FuzzFailure("a line break left in the reply body");
  return 0;
}
