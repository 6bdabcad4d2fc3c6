#pragma once
// A stream over bytes held in memory: how ReadFile serves a source that cannot
// report its position, and a handy sink or source for tests.

#include <cstdint>
#include <vector>

#include "platform/files/stream.h"

namespace platform {

class MemoryStreamBackend : public StreamBackend {
 public:
  explicit MemoryStreamBackend(std::vector<uint8_t> bytes = {});

  size_t Read(void* buffer, size_t size) override;
  size_t Write(const void* buffer, size_t size) override;
  bool AtEnd() override;
  int64_t Position() override;
  int64_t Size() override;
  bool Seek(int64_t position) override;

 private:
  std::vector<uint8_t> bytes_;
  size_t position_ = 0;
};

Stream OpenMemoryStream(std::vector<uint8_t> bytes);
// Drains the source to its end and returns a memory stream at its first byte.
Stream ReadWholeIntoMemory(StreamObject& source);

}  // namespace platform
