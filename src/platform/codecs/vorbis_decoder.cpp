// Ogg Vorbis through libvorbisfile, reading from memory. Every error code of
// the library ends the decode with nullopt except a hole in the data, which is
// skipped as the library intends. A long sound is only checked here and left
// compressed, to be decoded as it plays (vorbis_stream.cpp).

#include <bit>

#include "platform/host/diagnostics.h"
#include "platform/codecs/sound_decoders.h"
#include "platform/codecs/vorbis_file.h"

namespace platform {
namespace {

// What every file passes before any of it is decoded: whole, opened, one
// layout throughout, and a length within the limit. The sound's layout and
// length, no samples yet.
std::optional<SoundData> CheckedLayout(const uint8_t* data, size_t size, MemoryVorbisFile& file) {
  if (!EndsWithLastPage(data, size)) {
    DebugLog("Ogg sound refused: the file is cut short");
    return std::nullopt;
  }
  // A chained stream whose later links change the layout cannot go in one sample.
  if (!file.IsOpen() || !file.HasOneAcceptableLayout()) return std::nullopt;
  const vorbis_info* info = ov_info(file.get(), 0);
  const ogg_int64_t total = ov_pcm_total(file.get(), -1);
  if (total < 0 || static_cast<uint64_t>(total) * static_cast<uint64_t>(info->channels) > kMaxSoundSamples) {
    return std::nullopt;
  }
  SoundData sound;
  sound.channels = info->channels;
  sound.rate = static_cast<int>(info->rate);
  sound.streamedFrames = static_cast<size_t>(total);
  return sound;
}

std::optional<SoundData> DecodeWhole(MemoryVorbisFile& file, SoundData sound) {
  sound.samples.reserve(sound.streamedFrames * static_cast<size_t>(sound.channels));
  sound.streamedFrames = 0;
  constexpr int kBigEndian = std::endian::native == std::endian::big ? 1 : 0;
  int16_t block[4096];
  for (;;) {
    int section = 0;
    const long got = ov_read(file.get(), reinterpret_cast<char*>(block), sizeof block, kBigEndian, 2, 1,
                             &section);
    if (got == 0) break;
    if (got == OV_HOLE) continue;
    if (got < 0) return std::nullopt;
    const size_t count = static_cast<size_t>(got) / sizeof(int16_t);
    if (sound.samples.size() + count > kMaxSoundSamples) return std::nullopt;
    sound.samples.insert(sound.samples.end(), block, block + count);
  }
  if (sound.Frames() == 0 || sound.samples.size() % static_cast<size_t>(sound.channels) != 0) {
    return std::nullopt;
  }
  return sound;
}

}  // namespace

std::optional<SoundData> DecodeVorbis(const uint8_t* data, size_t size) {
  if (data == nullptr) return std::nullopt;
  MemoryVorbisFile file(data, size);
  auto sound = CheckedLayout(data, size, file);
  if (!sound) return std::nullopt;
  return DecodeWhole(file, std::move(*sound));
}

std::optional<SoundData> LoadVorbis(std::shared_ptr<const std::vector<uint8_t>> bytes, size_t streamAboveBytes) {
  if (!bytes) return std::nullopt;
  MemoryVorbisFile file(bytes->data(), bytes->size());
  auto sound = CheckedLayout(bytes->data(), bytes->size(), file);
  if (!sound) return std::nullopt;
  const uint64_t decodedBytes = uint64_t{sound->streamedFrames} * static_cast<uint64_t>(sound->channels) * 2;
  if (decodedBytes <= streamAboveBytes) return DecodeWhole(file, std::move(*sound));
  if (sound->streamedFrames == 0) return std::nullopt;
  sound->oggFile = std::move(bytes);
  return sound;
}

}  // namespace platform
