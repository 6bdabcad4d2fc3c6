#pragma once
// The socket calls that differ between hosts (BSD sockets, Winsock), each in the
// back-end folder of its system; the connection built on them is shared.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace platform::host_socket {

using Deadline = std::chrono::steady_clock::time_point;
using Handle = intptr_t;
constexpr Handle kNoSocket = -1;

// Resolves the host and connects a non-blocking socket to the first address
// that answers before the deadline; kNoSocket when none does.
Handle Connect(const std::string& host, int port, Deadline deadline);

// Waits until the socket can be read (or written) or the deadline passes.
bool WaitReady(Handle socket, bool forWriting, Deadline deadline);

// What one send or receive call did: bytes moved, or that it would have had
// to wait, or (neither) that the peer closed or the connection failed.
struct Transfer {
  size_t count = 0;
  bool wouldBlock = false;
  bool failed = false;
};
Transfer Send(Handle socket, const uint8_t* bytes, size_t size);
Transfer Receive(Handle socket, uint8_t* buffer, size_t size);

void Close(Handle socket);

}  // namespace platform::host_socket
