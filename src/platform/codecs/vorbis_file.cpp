#include "platform/codecs/vorbis_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/audio/sound_data.h"

namespace platform {
namespace {

// An Ogg page: "OggS", version, flags, granule position (8), serial (4),
// sequence (4), CRC (4), segment count, then that many segment lengths.
constexpr size_t kPageHeaderSize = 27;
constexpr uint8_t kLastPageFlag = 0x04;

}  // namespace

// Pages are followed from the start, skipping damage up to the next capture
// pattern as libogg does.
bool EndsWithLastPage(const uint8_t* data, size_t size) {
  size_t position = 0;
  bool lastPageEndsHere = false;
  while (position + kPageHeaderSize <= size) {
    if (std::memcmp(data + position, "OggS", 4) != 0) {
      position += 1;
      lastPageEndsHere = false;
      continue;
    }
    const size_t segments = data[position + 26];
    if (position + kPageHeaderSize + segments > size) return false;
    size_t body = 0;
    for (size_t i = 0; i < segments; ++i) body += data[position + kPageHeaderSize + i];
    const size_t end = position + kPageHeaderSize + segments + body;
    if (end > size) return false;
    lastPageEndsHere = (data[position + 5] & kLastPageFlag) != 0;
    position = end;
  }
  return lastPageEndsHere && position == size;
}

MemoryVorbisFile::MemoryVorbisFile(const uint8_t* data, size_t size) : source_{data, size, 0} {
  const ov_callbacks callbacks{Read, Seek, nullptr, Tell};
  open_ = ov_open_callbacks(&source_, &file_, nullptr, 0, callbacks) == 0;
}

MemoryVorbisFile::~MemoryVorbisFile() {
  if (open_) ov_clear(&file_);
}

bool MemoryVorbisFile::HasOneAcceptableLayout() {
  const vorbis_info* first = ov_info(&file_, 0);
  if (first == nullptr || !IsAcceptableSoundLayout(first->channels, first->rate)) return false;
  for (long link = 1; link < ov_streams(&file_); ++link) {
    const vorbis_info* info = ov_info(&file_, static_cast<int>(link));
    if (info == nullptr || info->channels != first->channels || info->rate != first->rate) return false;
  }
  return true;
}

size_t MemoryVorbisFile::Read(void* target, size_t size, size_t count, void* source) {
  auto* memory = static_cast<Source*>(source);
  if (size == 0) return 0;
  const size_t items = std::min(count, (memory->size - memory->position) / size);
  // An empty file has no bytes to copy from (and may have no address).
  if (items == 0) return 0;
  std::memcpy(target, memory->data + memory->position, items * size);
  memory->position += items * size;
  return items;
}

int MemoryVorbisFile::Seek(void* source, ogg_int64_t offset, int whence) {
  auto* memory = static_cast<Source*>(source);
  ogg_int64_t base = 0;
  if (whence == SEEK_CUR) base = static_cast<ogg_int64_t>(memory->position);
  else if (whence == SEEK_END) base = static_cast<ogg_int64_t>(memory->size);
  else if (whence != SEEK_SET) return -1;
  const ogg_int64_t target = base + offset;
  if (target < 0 || target > static_cast<ogg_int64_t>(memory->size)) return -1;
  memory->position = static_cast<size_t>(target);
  return 0;
}

long MemoryVorbisFile::Tell(void* source) { return static_cast<long>(static_cast<Source*>(source)->position); }

}  // namespace platform
