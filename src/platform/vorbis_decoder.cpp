// Ogg Vorbis through libvorbisfile, reading from memory. Every error code of
// the library ends the decode with nullopt except a hole in the data, which is
// skipped as the library intends. A file cut short gives no sound at all:
// libvorbisfile would play what arrived, and half an effect is worse than none.

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

#include "platform/diagnostics.h"
#include "platform/sound_decoders.h"

namespace platform {
namespace {

struct MemorySource {
  const uint8_t* data;
  size_t size;
  size_t position;
};

size_t ReadSource(void* target, size_t size, size_t count, void* source) {
  auto* memory = static_cast<MemorySource*>(source);
  if (size == 0) return 0;
  const size_t items = std::min(count, (memory->size - memory->position) / size);
  std::memcpy(target, memory->data + memory->position, items * size);
  memory->position += items * size;
  return items;
}

int SeekSource(void* source, ogg_int64_t offset, int whence) {
  auto* memory = static_cast<MemorySource*>(source);
  ogg_int64_t base = 0;
  if (whence == SEEK_CUR) base = static_cast<ogg_int64_t>(memory->position);
  else if (whence == SEEK_END) base = static_cast<ogg_int64_t>(memory->size);
  else if (whence != SEEK_SET) return -1;
  const ogg_int64_t target = base + offset;
  if (target < 0 || target > static_cast<ogg_int64_t>(memory->size)) return -1;
  memory->position = static_cast<size_t>(target);
  return 0;
}

// An Ogg page: "OggS", version, flags, granule position (8), serial (4),
// sequence (4), CRC (4), segment count, then that many segment lengths.
constexpr size_t kPageHeaderSize = 27;
constexpr uint8_t kLastPageFlag = 0x04;

// True when the bytes end exactly with a whole page that ends its stream.
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

long TellSource(void* source) { return static_cast<long>(static_cast<MemorySource*>(source)->position); }

class OpenVorbisFile {
 public:
  explicit OpenVorbisFile(MemorySource& source) {
    const ov_callbacks callbacks{ReadSource, SeekSource, nullptr, TellSource};
    open_ = ov_open_callbacks(&source, &file_, nullptr, 0, callbacks) == 0;
  }
  ~OpenVorbisFile() {
    if (open_) ov_clear(&file_);
  }
  OpenVorbisFile(const OpenVorbisFile&) = delete;
  OpenVorbisFile& operator=(const OpenVorbisFile&) = delete;

  bool IsOpen() const { return open_; }
  OggVorbis_File* get() { return &file_; }

 private:
  OggVorbis_File file_{};
  bool open_ = false;
};

}  // namespace

std::optional<SoundData> DecodeVorbis(const uint8_t* data, size_t size) {
  if (data == nullptr) return std::nullopt;
  if (!EndsWithLastPage(data, size)) {
    DebugLog("Ogg sound refused: the file is cut short");
    return std::nullopt;
  }
  MemorySource source{data, size, 0};
  OpenVorbisFile file(source);
  if (!file.IsOpen()) return std::nullopt;

  const vorbis_info* info = ov_info(file.get(), -1);
  if (info == nullptr || !IsAcceptableSoundLayout(info->channels, info->rate)) return std::nullopt;
  SoundData sound;
  sound.channels = info->channels;
  sound.rate = static_cast<int>(info->rate);

  const ogg_int64_t total = ov_pcm_total(file.get(), -1);
  if (total > 0) {
    const uint64_t expected = static_cast<uint64_t>(total) * static_cast<uint64_t>(sound.channels);
    if (expected > kMaxSoundSamples) return std::nullopt;
    sound.samples.reserve(static_cast<size_t>(expected));
  }

  constexpr int kBigEndian = std::endian::native == std::endian::big ? 1 : 0;
  int16_t block[4096];
  for (;;) {
    int section = 0;
    const long got = ov_read(file.get(), reinterpret_cast<char*>(block), sizeof block, kBigEndian, 2, 1,
                             &section);
    if (got == 0) break;
    if (got == OV_HOLE) continue;
    if (got < 0) return std::nullopt;
    // A chained stream whose later links change the layout cannot go in one sample.
    const vorbis_info* now = ov_info(file.get(), section);
    if (now == nullptr || now->channels != sound.channels || now->rate != sound.rate) return std::nullopt;
    const size_t count = static_cast<size_t>(got) / sizeof(int16_t);
    if (sound.samples.size() + count > kMaxSoundSamples) return std::nullopt;
    sound.samples.insert(sound.samples.end(), block, block + count);
  }
  if (sound.Frames() == 0 || sound.samples.size() % static_cast<size_t>(sound.channels) != 0) {
    return std::nullopt;
  }
  return sound;
}

}  // namespace platform
