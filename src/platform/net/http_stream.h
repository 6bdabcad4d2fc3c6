#pragma once
// The "http" protocol of OpenStream: one HTTP/1.0 GET whose stream is the body
// of the reply, running until the server closes the connection.

#include <string>

#include "platform/files/stream.h"

namespace platform {

// hostAndPath is the url after "http::": host, optionally ":port", then the
// path. Null when no connection is made, or the url holds a space or control
// character.
Stream OpenHttpStream(const std::string& hostAndPath);

// Time-out for connecting and for each wait on the server (the whole exchange
// is bounded by twice it). Values below 1 restore the default.
constexpr int DefaultHttpTimeoutMs = 4000;
void SetHttpTimeout(int milliseconds);

}  // namespace platform
