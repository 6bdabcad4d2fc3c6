#include "platform/net/http_stream.h"

#include <algorithm>
#include <cstdint>

#include "platform/net/tcp_connection.h"

namespace platform {

namespace {

int httpTimeoutMs = DefaultHttpTimeoutMs;

constexpr int DefaultPort = 80;
// Header lines are read in pieces of at most this size, so a server cannot make
// us hold an endless line.
constexpr size_t HeaderPiece = 4096;

// "host:8080" names a port; anything else after a colon is left to the resolver.
void SplitPort(const std::string& hostField, std::string& host, int& port) {
  host = hostField;
  port = DefaultPort;
  const size_t colon = hostField.rfind(':');
  if (colon == std::string::npos || hostField.find(':') != colon) return;
  const std::string digits = hostField.substr(colon + 1);
  if (digits.empty() || digits.size() > 5 ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return;
  }
  const int number = std::stoi(digits);
  if (number < 1 || number > 65535) return;
  host = hostField.substr(0, colon);
  port = number;
}

}  // namespace

void SetHttpTimeout(int milliseconds) {
  httpTimeoutMs = milliseconds > 0 ? milliseconds : DefaultHttpTimeoutMs;
}

Stream OpenHttpStream(const std::string& hostAndPath) {
  // A space or control character would let the url write its own request lines.
  if (std::any_of(hostAndPath.begin(), hostAndPath.end(), [](char c) { return uint8_t(c) <= ' '; })) {
    return nullptr;
  }
  const size_t slash = hostAndPath.find('/');
  const std::string hostField = hostAndPath.substr(0, slash);
  const std::string path = slash == std::string::npos ? "/" : hostAndPath.substr(slash);

  std::string host;
  int port;
  SplitPort(hostField, host, port);
  if (host.empty()) return nullptr;

  auto connection = ConnectTcp(host, port, httpTimeoutMs);
  if (!connection) return nullptr;
  auto stream = std::make_shared<StreamObject>(std::move(connection));

  stream->WriteLine("GET " + path + " HTTP/1.0");
  stream->WriteLine("Host: " + hostField);
  stream->WriteLine("");
  if (!stream->WritesOk()) return nullptr;

  // The status line and headers are not examined: skip to the blank line. A
  // piece of full size means its line goes on in the next piece.
  bool lineGoesOn = false;
  while (!stream->Eof()) {
    const std::string piece = stream->ReadLine(HeaderPiece);
    if (piece.empty() && !lineGoesOn) break;
    lineGoesOn = piece.size() == HeaderPiece;
  }
  return stream;
}

}  // namespace platform
