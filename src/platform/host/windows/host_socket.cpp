#include "platform/net/host_socket.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <mutex>

namespace platform::host_socket {

namespace {

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

SOCKET ConnectTo(const addrinfo& address, Deadline deadline) {
  const SOCKET socket = ::socket(address.ai_family, address.ai_socktype, address.ai_protocol);
  if (socket == INVALID_SOCKET) return INVALID_SOCKET;
  u_long nonBlocking = 1;
  ioctlsocket(socket, FIONBIO, &nonBlocking);
  if (connect(socket, address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0) return socket;
  if (WSAGetLastError() == WSAEWOULDBLOCK && WaitReady(static_cast<Handle>(socket), true, deadline)) {
    int error = 0;
    int length = sizeof error;
    if (getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) == 0 && error == 0) {
      return socket;
    }
  }
  closesocket(socket);
  return INVALID_SOCKET;
}

Transfer Transferred(int moved) {
  if (moved >= 0) return {static_cast<size_t>(moved), false, false};
  const bool wouldBlock = WSAGetLastError() == WSAEWOULDBLOCK;
  return {0, wouldBlock, !wouldBlock};
}

}  // namespace

Handle Connect(const std::string& host, int port, Deadline deadline) {
  if (!StartWinsock()) return kNoSocket;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* addresses = nullptr;
  if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &addresses) != 0) return kNoSocket;
  SOCKET socket = INVALID_SOCKET;
  for (addrinfo* address = addresses; address && socket == INVALID_SOCKET; address = address->ai_next) {
    socket = ConnectTo(*address, deadline);
  }
  freeaddrinfo(addresses);
  return socket == INVALID_SOCKET ? kNoSocket : static_cast<Handle>(socket);
}

bool WaitReady(Handle socket, bool forWriting, Deadline deadline) {
  const short events = forWriting ? POLLOUT : POLLIN;
  while (true) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    WSAPOLLFD entry{static_cast<SOCKET>(socket), events, 0};
    const int ready = WSAPoll(&entry, 1, static_cast<INT>(left.count()));
    if (ready > 0) return (entry.revents & (events | POLLHUP | POLLERR)) != 0;
    if (ready < 0) return false;
  }
}

Transfer Send(Handle socket, const uint8_t* bytes, size_t size) {
  // Winsock counts in int: a large write goes out a megabyte at a time.
  const int chunk = static_cast<int>(std::min<size_t>(size, 1 << 20));
  return Transferred(send(static_cast<SOCKET>(socket), reinterpret_cast<const char*>(bytes), chunk, 0));
}

Transfer Receive(Handle socket, uint8_t* buffer, size_t size) {
  const int chunk = static_cast<int>(std::min<size_t>(size, 1 << 20));
  return Transferred(recv(static_cast<SOCKET>(socket), reinterpret_cast<char*>(buffer), chunk, 0));
}

void Close(Handle socket) { closesocket(static_cast<SOCKET>(socket)); }

}  // namespace platform::host_socket
