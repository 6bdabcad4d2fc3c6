#pragma once
// A loaded sound: 16-bit samples of one or two interleaved channels at the
// file's own rate (8-bit files are widened as they are read). A short sound is
// decoded whole when it is loaded; a long one keeps its compressed Ogg file
// instead and is decoded as it plays (see sound_stream.h). Decoders refuse
// anything outside the limits below, so the mixer can trust every field.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

constexpr int kMinSoundRate = 1000;
constexpr int kMaxSoundRate = 384000;
// 64 Mi samples (128 MiB), a little over twelve minutes of 44.1 kHz stereo.
constexpr size_t kMaxSoundSamples = size_t{1} << 26;

struct SoundData {
  int rate = 0;
  int channels = 0;  // 1 or 2
  bool loop = false;
  std::vector<int16_t> samples;  // the whole sound, unless it is streamed
  // A streamed sound: its Ogg file, and how many frames it decodes to.
  std::shared_ptr<const std::vector<uint8_t>> oggFile;
  size_t streamedFrames = 0;

  bool IsStreamed() const { return oggFile != nullptr; }
  size_t Frames() const {
    if (IsStreamed()) return streamedFrames;
    return channels > 0 ? samples.size() / static_cast<size_t>(channels) : 0;
  }
  // What the sound keeps in memory.
  size_t Bytes() const { return IsStreamed() ? oggFile->size() : samples.size() * sizeof(int16_t); }
};

inline bool IsAcceptableSoundLayout(int64_t channels, int64_t rate) {
  return (channels == 1 || channels == 2) && rate >= kMinSoundRate && rate <= kMaxSoundRate;
}

}  // namespace platform
