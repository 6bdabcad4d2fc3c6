#pragma once
// A client TCP connection as a stream back-end, over the few socket calls each
// host system has in its back-end folder (platform/net/host_socket.h).

#include <memory>
#include <string>

#include "platform/files/stream.h"

namespace platform {

// Null when the host cannot be resolved or the connection is refused or not
// made within timeoutMs. Every later wait gives up after timeoutMs too, and the
// whole exchange ends at the latest 2 * timeoutMs after connecting, so a slow
// or silent peer cannot hold the caller.
std::unique_ptr<StreamBackend> ConnectTcp(const std::string& host, int port, int timeoutMs);

}  // namespace platform
