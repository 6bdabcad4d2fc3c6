#pragma once
// Sounds under construction: two channels of float samples at 44.1 kHz.

#include <cstddef>
#include <vector>

namespace mkmedia {

constexpr int kSampleRate = 44100;

struct Sound {
  std::vector<float> left, right;

  explicit Sound(size_t frames = 0) : left(frames, 0.0f), right(frames, 0.0f) {}
  size_t Frames() const { return left.size(); }
  static Sound Seconds(double seconds) { return Sound(static_cast<size_t>(seconds * kSampleRate + 0.5)); }
};

// Mixes a mono voice into the sound from frame `at`, panned (-1 left .. 1 right,
// constant power). With wrap, what runs past the end continues at the start,
// which is how loops are made seamless.
void MixVoice(Sound& sound, const std::vector<float>& voice, long at, float gain, float pan, bool wrap);

}  // namespace mkmedia
