#include "platform/net/tcp_connection.h"

#include <algorithm>
#include <chrono>
#include <cstring>

#include "platform/net/host_socket.h"

namespace platform {

namespace {

using SteadyClock = std::chrono::steady_clock;
namespace net = host_socket;

class TcpConnection : public StreamBackend {
 public:
  TcpConnection(net::Handle socket, std::chrono::milliseconds timeout)
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
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    size_t done = 0;
    while (socket_ != net::kNoSocket && done < size) {
      const net::Transfer sent = net::Send(socket_, bytes + done, size - done);
      if (sent.count > 0) {
        done += sent.count;
      } else if (!sent.wouldBlock || !net::WaitReady(socket_, true, NextDeadline())) {
        break;
      }
    }
    return done;
  }

  bool AtEnd() override { return start_ == end_ && !Fill(); }

  void Close() override {
    if (socket_ != net::kNoSocket) net::Close(socket_);
    socket_ = net::kNoSocket;
    finished_ = true;
  }

  bool ReadError() override { return readError_; }

 private:
  // The earlier of one time-out from now and the end of the whole exchange.
  SteadyClock::time_point NextDeadline() const { return std::min(SteadyClock::now() + timeout_, lastMoment_); }

  // Refills the empty buffer; false once the peer has closed, gone silent or failed.
  bool Fill() {
    while (!finished_) {
      if (!net::WaitReady(socket_, false, NextDeadline())) {
        readError_ = true;
        finished_ = true;
        break;
      }
      const net::Transfer received = net::Receive(socket_, buffer_, sizeof buffer_);
      if (received.count > 0) {
        start_ = 0;
        end_ = received.count;
        return true;
      }
      if (received.wouldBlock) continue;
      readError_ = received.failed;
      finished_ = true;
    }
    return false;
  }

  net::Handle socket_;
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
  const std::chrono::milliseconds timeout(timeoutMs);
  const net::Handle socket = net::Connect(host, port, SteadyClock::now() + timeout);
  if (socket == net::kNoSocket) return nullptr;
  return std::make_unique<TcpConnection>(socket, timeout);
}

}  // namespace platform
