#include "platform/tcp_connection.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <mutex>

namespace platform {

namespace {

using SteadyClock = std::chrono::steady_clock;

// Winsock is started once for the program and left running until it ends.
bool StartWinsock() {
  static std::once_flag once;
  static bool started = false;
  std::call_once(once, [] {
    WSADATA data;
    started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
  });
  return started;
}

// Waits until the socket is ready for the given events or the deadline passes.
bool WaitFor(SOCKET socket, short events, SteadyClock::time_point deadline) {
  while (true) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now());
    if (left.count() <= 0) return false;
    WSAPOLLFD entry{socket, events, 0};
    const int ready = WSAPoll(&entry, 1, static_cast<INT>(left.count()));
    if (ready > 0) return (entry.revents & (events | POLLHUP | POLLERR)) != 0;
    if (ready < 0) return false;
  }
}

SOCKET ConnectTo(const addrinfo& address, SteadyClock::time_point deadline) {
  const SOCKET socket = ::socket(address.ai_family, address.ai_socktype, address.ai_protocol);
  if (socket == INVALID_SOCKET) return INVALID_SOCKET;
  u_long nonBlocking = 1;
  ioctlsocket(socket, FIONBIO, &nonBlocking);
  if (connect(socket, address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0) return socket;
  if (WSAGetLastError() == WSAEWOULDBLOCK && WaitFor(socket, POLLOUT, deadline)) {
    int error = 0;
    int length = sizeof error;
    if (getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) == 0 && error == 0) {
      return socket;
    }
  }
  closesocket(socket);
  return INVALID_SOCKET;
}

class TcpConnection : public StreamBackend {
 public:
  TcpConnection(SOCKET socket, std::chrono::milliseconds timeout)
      : socket_(socket), timeout_(timeout), lastMoment_(SteadyClock::now() + 2 * timeout) {}
  ~TcpConnection() override { Close(); }

  size_t Read(void* buffer, size_t size) override {
    auto* out = static_cast<uint8_t*>(buffer);
    size_t done = 0;
    while (done < size && (start_ < end_ || Fill())) {
      const size_t count = std::min(size - done, end_ - start_);
      std::memcpy(out + done, buffer_ + start_, count);
      start_ += count;
      done += count;
    }
    return done;
  }

  size_t Write(const void* buffer, size_t size) override {
    const auto* bytes = static_cast<const char*>(buffer);
    size_t done = 0;
    while (socket_ != INVALID_SOCKET && done < size) {
      const int chunk = static_cast<int>(std::min<size_t>(size - done, 1 << 20));
      const int sent = send(socket_, bytes + done, chunk, 0);
      if (sent > 0) {
        done += static_cast<size_t>(sent);
      } else if (sent < 0 && WSAGetLastError() == WSAEWOULDBLOCK && WaitFor(socket_, POLLOUT, NextDeadline())) {
        continue;
      } else {
        break;
      }
    }
    return done;
  }

  bool AtEnd() override { return start_ == end_ && !Fill(); }

  void Close() override {
    if (socket_ != INVALID_SOCKET) closesocket(socket_);
    socket_ = INVALID_SOCKET;
    finished_ = true;
  }

  bool ReadError() override { return readError_; }

 private:
  // The earlier of one time-out from now and the end of the whole exchange.
  SteadyClock::time_point NextDeadline() const { return std::min(SteadyClock::now() + timeout_, lastMoment_); }

  // Refills the empty buffer; false once the peer has closed, gone silent or failed.
  bool Fill() {
    while (!finished_) {
      if (!WaitFor(socket_, POLLIN, NextDeadline())) {
        readError_ = true;
        finished_ = true;
        break;
      }
      const int received = recv(socket_, buffer_, sizeof buffer_, 0);
      if (received > 0) {
        start_ = 0;
        end_ = static_cast<size_t>(received);
        return true;
      }
      if (received < 0 && WSAGetLastError() == WSAEWOULDBLOCK) continue;
      if (received < 0) readError_ = true;
      finished_ = true;
    }
    return false;
  }

  SOCKET socket_;
  std::chrono::milliseconds timeout_;
  SteadyClock::time_point lastMoment_;
  char buffer_[4096];
  size_t start_ = 0;
  size_t end_ = 0;
  bool finished_ = false;
  bool readError_ = false;
};

}  // namespace

std::unique_ptr<StreamBackend> ConnectTcp(const std::string& host, int port, int timeoutMs) {
  if (!StartWinsock()) return nullptr;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* addresses = nullptr;
  if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &addresses) != 0) return nullptr;

  const std::chrono::milliseconds timeout(timeoutMs);
  const auto deadline = SteadyClock::now() + timeout;
  SOCKET socket = INVALID_SOCKET;
  for (addrinfo* address = addresses; address && socket == INVALID_SOCKET; address = address->ai_next) {
    socket = ConnectTo(*address, deadline);
  }
  freeaddrinfo(addresses);
  if (socket == INVALID_SOCKET) return nullptr;
  return std::make_unique<TcpConnection>(socket, timeout);
}

}  // namespace platform
