#include "platform/files/memory_stream.h"

#include <algorithm>
#include <cstring>

namespace platform {

MemoryStreamBackend::MemoryStreamBackend(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

size_t MemoryStreamBackend::Read(void* buffer, size_t size) {
  const size_t count = std::min(size, bytes_.size() - position_);
  if (count > 0) std::memcpy(buffer, bytes_.data() + position_, count);
  position_ += count;
  return count;
}

size_t MemoryStreamBackend::Write(const void* buffer, size_t size) {
  if (position_ + size > bytes_.size()) bytes_.resize(position_ + size);
  if (size > 0) std::memcpy(bytes_.data() + position_, buffer, size);
  position_ += size;
  return size;
}

bool MemoryStreamBackend::AtEnd() { return position_ >= bytes_.size(); }

int64_t MemoryStreamBackend::Position() { return static_cast<int64_t>(position_); }

int64_t MemoryStreamBackend::Size() { return static_cast<int64_t>(bytes_.size()); }

bool MemoryStreamBackend::Seek(int64_t position) {
  if (position < 0 || position > Size()) return false;
  position_ = static_cast<size_t>(position);
  return true;
}

Stream OpenMemoryStream(std::vector<uint8_t> bytes) {
  return std::make_shared<StreamObject>(std::make_unique<MemoryStreamBackend>(std::move(bytes)));
}

Stream ReadWholeIntoMemory(StreamObject& source) {
  std::vector<uint8_t> bytes;
  uint8_t block[4096];
  while (size_t count = source.ReadBytes(block, sizeof block)) {
    bytes.insert(bytes.end(), block, block + count);
  }
  return OpenMemoryStream(std::move(bytes));
}

}  // namespace platform
