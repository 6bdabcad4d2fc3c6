#include "platform/net/host_socket.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace platform::host_socket {

namespace {

int ConnectTo(const addrinfo& address, Deadline deadline) {
  const int fd = socket(address.ai_family, address.ai_socktype, address.ai_protocol);
  if (fd < 0) return -1;
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
  if (connect(fd, address.ai_addr, address.ai_addrlen) == 0) return fd;
  if (errno == EINPROGRESS && WaitReady(fd, true, deadline)) {
    int error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) return fd;
  }
  close(fd);
  return -1;
}

// A call cut short by a signal is made again; one that would wait says so.
template <typename Call>
Transfer Transferred(Call call) {
  while (true) {
    const ssize_t moved = call();
    if (moved >= 0) return {static_cast<size_t>(moved), false, false};
    if (errno == EINTR) continue;
    return {0, errno == EAGAIN || errno == EWOULDBLOCK, !(errno == EAGAIN || errno == EWOULDBLOCK)};
  }
}

}  // namespace

Handle Connect(const std::string& host, int port, Deadline deadline) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* addresses = nullptr;
  if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &addresses) != 0) return kNoSocket;
  int fd = -1;
  for (addrinfo* address = addresses; address && fd < 0; address = address->ai_next) fd = ConnectTo(*address, deadline);
  freeaddrinfo(addresses);
  return fd < 0 ? kNoSocket : fd;
}

bool WaitReady(Handle socket, bool forWriting, Deadline deadline) {
  while (true) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd entry{static_cast<int>(socket), static_cast<short>(forWriting ? POLLOUT : POLLIN), 0};
    const int ready = poll(&entry, 1, static_cast<int>(left.count()));
    if (ready > 0) return true;
    if (ready < 0 && errno != EINTR) return false;
  }
}

Transfer Send(Handle socket, const uint8_t* bytes, size_t size) {
  // A peer gone away fails the send instead of raising SIGPIPE.
  return Transferred([&] { return send(static_cast<int>(socket), bytes, size, MSG_NOSIGNAL); });
}

Transfer Receive(Handle socket, uint8_t* buffer, size_t size) {
  return Transferred([&] { return recv(static_cast<int>(socket), buffer, size, 0); });
}

void Close(Handle socket) { close(static_cast<int>(socket)); }

}  // namespace platform::host_socket
