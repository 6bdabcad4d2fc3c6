#include "platform/files/stream.h"

#include <cstring>

#include "platform/files/file_stream.h"
#include "platform/net/http_stream.h"
#include "platform/files/memory_stream.h"
#include "platform/host/text.h"

namespace platform {

namespace {

// Reads exactly size bytes; a value cut short by the end of the data reads as
// zero rather than as whatever the buffer held.
template <size_t N>
bool ReadExactly(StreamObject& stream, uint8_t (&bytes)[N]) {
  if (stream.ReadBytes(bytes, N) == N) return true;
  std::memset(bytes, 0, N);
  return false;
}

uint32_t LittleEndian32(const uint8_t (&b)[4]) {
  return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

}  // namespace

StreamObject::StreamObject(std::unique_ptr<StreamBackend> backend) : backend_(std::move(backend)) {}

StreamObject::~StreamObject() { Close(); }

bool StreamObject::Eof() { return !backend_ || backend_->AtEnd(); }

size_t StreamObject::ReadBytes(void* buffer, size_t size) {
  if (!backend_ || size == 0) return 0;
  return backend_->Read(buffer, size);
}

int StreamObject::ReadByte() {
  uint8_t b[1];
  ReadExactly(*this, b);
  return b[0];
}

int StreamObject::ReadShort() {
  uint8_t b[2];
  ReadExactly(*this, b);
  return b[0] | b[1] << 8;
}

int32_t StreamObject::ReadInt() {
  uint8_t b[4];
  ReadExactly(*this, b);
  return static_cast<int32_t>(LittleEndian32(b));
}

// The bits of a float as an integer and back; by copying rather than
// std::bit_cast, which the browser build's C++ library does not have yet.
namespace {
template <typename To, typename From>
To SameBits(From value) {
  static_assert(sizeof(To) == sizeof(From));
  To result;
  std::memcpy(&result, &value, sizeof result);
  return result;
}
}  // namespace

float StreamObject::ReadFloat() {
  uint8_t b[4];
  ReadExactly(*this, b);
  return SameBits<float>(LittleEndian32(b));
}

std::string StreamObject::ReadLine() { return ReadLine(std::string::npos); }

std::string StreamObject::ReadLine(size_t maxLength) {
  std::string text;
  while (text.size() < maxLength) {
    uint8_t b;
    if (ReadBytes(&b, 1) != 1 || b == 10 || b == 0) break;
    if (b != 13) text.push_back(static_cast<char>(b));
  }
  return text;
}

size_t StreamObject::WriteBytes(const void* buffer, size_t size) {
  if (size == 0) return 0;
  size_t written = backend_ ? backend_->Write(buffer, size) : 0;
  if (written != size) NoteWriteFailure();
  return written;
}

void StreamObject::NoteWriteFailure() {
  if (writesOk_ && backend_) writeError_ = backend_->WriteError();
  writesOk_ = false;
}

bool StreamObject::WriteByte(int value) {
  const uint8_t b[1] = {uint8_t(value)};
  return WriteBytes(b, 1) == 1;
}

bool StreamObject::WriteShort(int value) {
  const uint8_t b[2] = {uint8_t(value), uint8_t(value >> 8)};
  return WriteBytes(b, 2) == 2;
}

bool StreamObject::WriteInt(int32_t value) {
  const uint32_t v = static_cast<uint32_t>(value);
  const uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
  return WriteBytes(b, 4) == 4;
}

bool StreamObject::WriteFloat(float value) { return WriteInt(SameBits<int32_t>(value)); }

bool StreamObject::WriteString(const std::string& text) {
  return WriteBytes(text.data(), text.size()) == text.size();
}

bool StreamObject::WriteLine(const std::string& text) { return WriteString(text + "\r\n"); }

int64_t StreamObject::Pos() { return backend_ ? backend_->Position() : -1; }

int64_t StreamObject::Size() { return backend_ ? backend_->Size() : -1; }

bool StreamObject::Seek(int64_t position) { return backend_ && backend_->Seek(position); }

bool StreamObject::Flush() {
  if (!backend_) return false;
  if (!backend_->Flush()) NoteWriteFailure();
  return writesOk_;
}

bool StreamObject::ReadsOk() { return backend_ && !backend_->ReadError(); }

void StreamObject::Close() {
  if (!backend_) return;
  if (!backend_->Flush()) NoteWriteFailure();
  backend_->Close();
  backend_.reset();
}

Stream OpenStream(const std::string& url, bool readable, bool writeable) {
  const size_t separator = url.find("::");
  if (separator == std::string::npos) return OpenFileStream(url, readable, writeable);

  const std::string protocol = Lower(url.substr(0, separator));
  const std::string rest = url.substr(separator + 2);
  if (protocol == "http") return OpenHttpStream(rest);
  return nullptr;
}

Stream ReadStream(const std::string& url) { return OpenStream(url, true, false); }

Stream ReadFile(const std::string& path) {
  Stream stream = OpenStream(path, true, false);
  if (!stream || stream->Pos() >= 0) return stream;
  Stream whole = ReadWholeIntoMemory(*stream);
  stream->Close();
  return whole;
}

Stream WriteFile(const std::string& path) { return OpenStream(path, false, true); }

void CloseStream(const Stream& stream) {
  if (stream) stream->Close();
}

bool Eof(const Stream& stream) { return !stream || stream->Eof(); }

}  // namespace platform
