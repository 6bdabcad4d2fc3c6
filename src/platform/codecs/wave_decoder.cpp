// RIFF WAVE: a "RIFF" header naming "WAVE", then chunks of a four-letter tag, a
// 32-bit little-endian size and a body padded to an even length. We need the
// "fmt " chunk (PCM layout) and the "data" chunk (the samples), in any order;
// other chunks are skipped. Every size is checked against what is really there.

#include <cstring>

#include "platform/codecs/sound_decoders.h"

namespace platform {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
// The tail shared by every standard sub-format GUID; the first two bytes are the format tag.
constexpr uint8_t kSubFormatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                        0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

uint16_t Read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

uint32_t Read32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool HasTag(const uint8_t* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

struct WaveFormat {
  int channels = 0;
  int rate = 0;
  int bytesPerSample = 0;
};

// Plain PCM, or the extensible header when its sub-format is PCM.
std::optional<WaveFormat> ReadFormat(const uint8_t* body, size_t size) {
  if (size < 16) return std::nullopt;
  uint16_t tag = Read16(body);
  if (tag == kFormatExtensible) {
    if (size < 40 || Read16(body + 16) < 22) return std::nullopt;
    if (std::memcmp(body + 26, kSubFormatTail, sizeof kSubFormatTail) != 0) return std::nullopt;
    tag = Read16(body + 24);
  }
  if (tag != kFormatPcm) return std::nullopt;
  const int channels = Read16(body + 2);
  const uint32_t rate = Read32(body + 4);
  const int blockAlign = Read16(body + 12);
  const int bits = Read16(body + 14);
  if (!IsAcceptableSoundLayout(channels, rate)) return std::nullopt;
  if (bits != 8 && bits != 16) return std::nullopt;
  if (blockAlign != channels * bits / 8) return std::nullopt;
  return WaveFormat{channels, static_cast<int>(rate), bits / 8};
}

}  // namespace

std::optional<SoundData> DecodeWave(const uint8_t* data, size_t size) {
  if (data == nullptr || size < 12 || !HasTag(data, "RIFF") || !HasTag(data + 8, "WAVE")) {
    return std::nullopt;
  }
  const uint64_t riffEnd = uint64_t{8} + Read32(data + 4);
  if (riffEnd > size) return std::nullopt;

  std::optional<WaveFormat> format;
  const uint8_t* pcm = nullptr;
  size_t pcmBytes = 0;
  for (uint64_t at = 12; at + 8 <= riffEnd;) {
    const uint64_t body = at + 8;
    const uint32_t chunkSize = Read32(data + at + 4);
    if (chunkSize > riffEnd - body) return std::nullopt;
    if (HasTag(data + at, "fmt ")) {
      if (format) return std::nullopt;
      format = ReadFormat(data + body, chunkSize);
      if (!format) return std::nullopt;
    } else if (HasTag(data + at, "data")) {
      if (pcm) return std::nullopt;
      pcm = data + body;
      pcmBytes = chunkSize;
    }
    at = body + chunkSize + (chunkSize & 1u);
  }
  if (!format || !pcm) return std::nullopt;

  // A last, incomplete frame is dropped.
  const size_t frameBytes = static_cast<size_t>(format->channels * format->bytesPerSample);
  const size_t count = pcmBytes / frameBytes * static_cast<size_t>(format->channels);
  if (count == 0 || count > kMaxSoundSamples) return std::nullopt;

  SoundData sound;
  sound.rate = format->rate;
  sound.channels = format->channels;
  sound.samples.resize(count);
  if (format->bytesPerSample == 1) {
    // 8-bit WAVE samples are unsigned around 128.
    for (size_t i = 0; i < count; ++i) sound.samples[i] = static_cast<int16_t>((pcm[i] - 128) * 256);
  } else {
    for (size_t i = 0; i < count; ++i) sound.samples[i] = static_cast<int16_t>(Read16(pcm + 2 * i));
  }
  return sound;
}

}  // namespace platform
