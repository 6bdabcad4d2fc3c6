#include "platform/tcp_connection.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace platform {

namespace {

using SteadyClock = std::chrono::steady_clock;

// Waits until the socket is ready for the given events or the deadline passes.
bool WaitFor(int fd, short events, SteadyClock::time_point deadline) {
  while (true) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now());
    if (left.count() <= 0) return false;
    pollfd entry{fd, events, 0};
    const int ready = poll(&entry, 1, static_cast<int>(left.count()));
    if (ready > 0) return true;
    if (ready < 0 && errno != EINTR) return false;
  }
}

int ConnectTo(const addrinfo& address, SteadyClock::time_point deadline) {
  const int fd = socket(address.ai_family, address.ai_socktype, address.ai_protocol);
  if (fd < 0) return -1;
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
  if (connect(fd, address.ai_addr, address.ai_addrlen) == 0) return fd;
  if (errno == EINPROGRESS && WaitFor(fd, POLLOUT, deadline)) {
    int error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) return fd;
  }
  close(fd);
  return -1;
}

class TcpConnection : public StreamBackend {
 public:
  TcpConnection(int fd, std::chrono::milliseconds timeout)
      : fd_(fd), timeout_(timeout), lastMoment_(SteadyClock::now() + 2 * timeout) {}
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
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    size_t done = 0;
    while (fd_ >= 0 && done < size) {
      const ssize_t sent = send(fd_, bytes + done, size - done, MSG_NOSIGNAL);
      if (sent > 0) {
        done += static_cast<size_t>(sent);
      } else if (sent < 0 && errno == EINTR) {
        continue;
      } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && WaitFor(fd_, POLLOUT, NextDeadline())) {
        continue;
      } else {
        break;
      }
    }
    return done;
  }

  bool AtEnd() override { return start_ == end_ && !Fill(); }

  void Close() override {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    finished_ = true;
  }

  bool ReadError() override { return readError_; }

 private:
  // The earlier of one time-out from now and the end of the whole exchange.
  SteadyClock::time_point NextDeadline() const { return std::min(SteadyClock::now() + timeout_, lastMoment_); }

  // Refills the empty buffer; false once the peer has closed, gone silent or failed.
  bool Fill() {
    while (!finished_) {
      if (!WaitFor(fd_, POLLIN, NextDeadline())) {
        readError_ = true;
        finished_ = true;
        break;
      }
      const ssize_t received = recv(fd_, buffer_, sizeof buffer_, 0);
      if (received > 0) {
        start_ = 0;
        end_ = static_cast<size_t>(received);
        return true;
      }
      if (received < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) continue;
      if (received < 0) readError_ = true;
      finished_ = true;
    }
    return false;
  }

  int fd_;
  std::chrono::milliseconds timeout_;
  SteadyClock::time_point lastMoment_;
  uint8_t buffer_[4096];
  size_t start_ = 0;
  size_t end_ = 0;
  bool finished_ = false;
  bool readError_ = false;
};

}  // namespace

std::unique_ptr<StreamBackend> ConnectTcp(const std::string& host, int port, int timeoutMs) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* addresses = nullptr;
  if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &addresses) != 0) return nullptr;

  const std::chrono::milliseconds timeout(timeoutMs);
  const auto deadline = SteadyClock::now() + timeout;
  int fd = -1;
  for (addrinfo* address = addresses; address && fd < 0; address = address->ai_next) {
    fd = ConnectTo(*address, deadline);
  }
  freeaddrinfo(addresses);
  if (fd < 0) return nullptr;
  return std::make_unique<TcpConnection>(fd, timeout);
}

}  // namespace platform
