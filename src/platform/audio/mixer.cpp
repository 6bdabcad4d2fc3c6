#include "platform/audio/mixer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform {
namespace {

constexpr int kMinOutputRate = 8000;
constexpr int kRampsPerSecond = 200;  // a 5 ms ramp
constexpr float kMaxVolume = 16.0f;
constexpr float kMaxRate = 64.0f;
// A first sample louder than this would jump out of silence.
constexpr int kQuietSample = 128;
// The limiter holds the sum under this level, a fifth of a decibel under full
// scale; it falls by at most its whole range in 10 ms and rises in 250 ms,
// holding the gain of a peak for 1 ms before it.
constexpr float kLimitLevel = 32000.0f;
constexpr int kLimiterAttacksPerSecond = 100;
constexpr int kLimiterReleasesPerSecond = 4;
constexpr int kLimiterHoldsPerSecond = 1000;

bool StartsMidWaveform(const Playback& playback) {
  const int16_t* first = playback.stream ? playback.stream->Frames(0, 1) : playback.sound->samples.data();
  for (int c = 0; c < playback.sound->channels; ++c) {
    if (std::abs(static_cast<int>(first[c])) > kQuietSample) return true;
  }
  return false;
}

// Where the frames of a playing sound are read from: the whole sound...
struct WholeSound {
  const int16_t* samples;
  size_t stride;
  size_t length;
  bool loop;
  const int16_t* At(size_t index) const { return samples + index * stride; }
  // After the last frame comes the first again in a loop, silence otherwise.
  const int16_t* After(size_t index) const {
    if (index + 1 < length) return At(index + 1);
    return loop ? samples : kSilentFrame.data();
  }
  static constexpr std::array<int16_t, 2> kSilentFrame{};
};

// ...or a stream's window, which holds the frames from `first` on as the
// sound plays them, the loop's next lap (or the silence after the end)
// included. An index below `first` is in the next lap.
struct StreamWindow {
  const int16_t* frames;
  size_t stride;
  size_t first;
  size_t length;
  const int16_t* At(size_t index) const {
    return frames + (index >= first ? index - first : index + length - first) * stride;
  }
  const int16_t* After(size_t index) const { return At(index) + stride; }
};

float VolumeGain(int volume) { return static_cast<float>(volume) / kVolumeOne; }

int16_t ToSample(float sum) { return static_cast<int16_t>(std::lrint(std::clamp(sum, -32768.0f, 32767.0f))); }

}  // namespace

Mixer::Mixer(int outputRate) { SetOutputRate(outputRate); }

void Mixer::SetOutputRate(int rate) {
  outputRate_ = std::clamp(rate, kMinOutputRate, kMaxSoundRate);
  rampFrames_ = std::max(1, outputRate_ / kRampsPerSecond);
  limiterAttackStep_ = static_cast<float>(kLimiterAttacksPerSecond) / static_cast<float>(outputRate_);
  limiterReleaseStep_ = static_cast<float>(kLimiterReleasesPerSecond) / static_cast<float>(outputRate_);
  limiterHoldFrames_ = std::max(1, outputRate_ / kLimiterHoldsPerSecond);
}

std::shared_ptr<MixerVoice> Mixer::NewVoice() const { return std::make_shared<MixerVoice>(); }

void Mixer::Play(const std::shared_ptr<MixerVoice>& voice, std::shared_ptr<const SoundData> sound,
                 std::unique_ptr<SoundStream> stream) {
  ForgetFinishedVoices();
  StartFadeOut(*voice);
  voice->sound = std::move(sound);
  voice->stream = std::move(stream);
  Playback& playback = voice->current;
  playback = Playback{};
  if (voice->sound->IsStreamed() && !voice->stream) return;
  playback.sound = voice->sound.get();
  playback.stream = voice->stream.get();
  const float gain = VolumeGain(voice->volume);
  if (StartsMidWaveform(playback)) {
    RampTo(playback, gain);
  } else {
    playback.gain = playback.targetGain = gain;
  }
  if (!voice->listed) {
    voices_.push_back(voice);
    voice->listed = true;
  }
}

void Mixer::Stop(MixerVoice& voice) { StartFadeOut(voice); }

void Mixer::SetVolume(MixerVoice& voice, float volume) {
  voice.volume = volume > 0.0f ? static_cast<int>(std::lround(std::min(volume, kMaxVolume) * kVolumeOne)) : 0;
  if (voice.current.sound) RampTo(voice.current, VolumeGain(voice.volume));
}

void Mixer::SetRate(MixerVoice& voice, float rate) {
  voice.rate = rate > 0.0f ? static_cast<uint32_t>(std::lround(std::min(rate, kMaxRate) * kRateOne)) : 0;
}

void Mixer::ForgetFinishedVoices() {
  std::erase_if(voices_, [](const std::shared_ptr<MixerVoice>& voice) {
    if (voice->current.sound || voice->fading.sound) return false;
    voice->listed = false;
    return true;
  });
}

// What the voice plays goes on as a fade to silence, so stopping or replacing
// it mid-waveform does not click. A fade still running is cut short by a newer one.
void Mixer::StartFadeOut(MixerVoice& voice) const {
  Playback& current = voice.current;
  if (!current.sound) return;
  if (current.gain > 0.0f || current.targetGain > 0.0f) {
    voice.fading = current;
    voice.fading.fadingOut = true;
    voice.fadingSound = voice.sound;
    voice.fadingStream = std::move(voice.stream);
    RampTo(voice.fading, 0.0f);
  }
  current.sound = nullptr;
}

void Mixer::RampTo(Playback& playback, float gain) const {
  playback.targetGain = gain;
  playback.rampLeft = rampFrames_;
  playback.gainStep = (gain - playback.gain) / static_cast<float>(rampFrames_);
}

void Mixer::MixPlayback(Playback& playback, uint32_t rate, float* sum, int frames) const {
  const SoundData& sound = *playback.sound;
  const uint64_t step = (uint64_t{rate} * static_cast<uint64_t>(sound.rate) << 16) /
                        static_cast<uint64_t>(outputRate_);
  if (playback.stream) {
    MixStreamed(playback, step, sum, frames);
    return;
  }
  const WholeSound whole{sound.samples.data(), static_cast<size_t>(sound.channels), sound.Frames(), sound.loop};
  MixFrames(playback, step, whole, sum, frames);
}

// In runs whose frames fit one window of the stream.
void Mixer::MixStreamed(Playback& playback, uint64_t step, float* sum, int frames) const {
  const SoundData& sound = *playback.sound;
  const uint64_t end = uint64_t{sound.Frames()} << 32;
  // A run of n frames reads at most 1 + step * (n - 1) / 2^32 frames past its first, and the one after.
  constexpr uint64_t kReach = SoundStream::kMaxWindow - 3;
  const uint64_t longestRun = step == 0 ? kChunkFrames : std::min<uint64_t>(kChunkFrames, (kReach << 32) / step + 1);
  while (frames > 0 && playback.sound) {
    if (playback.position >= end) {
      if (!sound.loop) {
        playback.sound = nullptr;
        return;
      }
      playback.position %= end;
    }
    const int run = static_cast<int>(std::min<uint64_t>(static_cast<uint64_t>(frames), longestRun));
    const size_t first = static_cast<size_t>(playback.position >> 32);
    const size_t last = static_cast<size_t>((playback.position + step * static_cast<uint64_t>(run - 1)) >> 32);
    const StreamWindow window{playback.stream->Frames(first, last - first + 2),
                              static_cast<size_t>(sound.channels), first, sound.Frames()};
    const int mixed = MixFrames(playback, step, window, sum, run);
    sum += 2 * mixed;
    frames -= mixed;
  }
}

// Returns how many frames it mixed: all of them, unless the playback ended.
template <class Source>
int Mixer::MixFrames(Playback& playback, uint64_t step, const Source& source, float* sum, int frames) const {
  const SoundData& sound = *playback.sound;
  const uint64_t end = uint64_t{sound.Frames()} << 32;
  const size_t right = static_cast<size_t>(sound.channels) - 1;

  for (int i = 0; i < frames; ++i) {
    if (playback.position >= end) {
      if (!sound.loop) {
        playback.sound = nullptr;
        return i;
      }
      playback.position %= end;
    }
    const size_t index = static_cast<size_t>(playback.position >> 32);
    const float fraction = static_cast<float>(static_cast<uint32_t>(playback.position)) * 0x1p-32f;
    const int16_t* now = source.At(index);
    const int16_t* next = source.After(index);
    const float left0 = now[0];
    const float right0 = now[right];
    const float left1 = next[0];
    const float right1 = next[right];
    sum[2 * i] += (left0 + (left1 - left0) * fraction) * playback.gain;
    sum[2 * i + 1] += (right0 + (right1 - right0) * fraction) * playback.gain;

    if (playback.rampLeft > 0) {
      playback.gain += playback.gainStep;
      if (--playback.rampLeft == 0) {
        playback.gain = playback.targetGain;
        if (playback.fadingOut) {
          playback.sound = nullptr;
          return i + 1;
        }
      }
    }
    playback.position += step;
  }
  return frames;
}

// The gain each frame must not exceed to stay under the limit is held for a
// moment before each peak (so a crest keeps its shape instead of riding the
// limit), and a backward pass eases the gain down ahead of it; a forward pass
// then lets the gain rise again slowly. A peak early in a chunk, too soon for
// that easing, is met by a steeper fall spread over the frames before it.
void Mixer::Limit(int frames) {
  float ahead = 1.0f, held = 1.0f;
  int holdLeft = 0;
  bool over = false;
  const float start = limiterGain_;
  float steepest = 0.0f;  // the fall per frame from `start` that the chunk's peaks ask for
  for (int i = frames - 1; i >= 0; --i) {
    const size_t at = 2 * static_cast<size_t>(i);
    const float peak = std::max(std::abs(sum_[at]), std::abs(sum_[at + 1]));
    const float need = peak > kLimitLevel ? kLimitLevel / peak : 1.0f;
    over = over || need < 1.0f;
    if (need <= held) {
      held = need;
      holdLeft = limiterHoldFrames_;
    } else if (holdLeft > 0) {
      --holdLeft;
    } else {
      held = need;
    }
    ahead = std::min(held, ahead + limiterAttackStep_);
    limitCeiling_[static_cast<size_t>(i)] = need;
    limitEnvelope_[static_cast<size_t>(i)] = ahead;
    steepest = std::max(steepest, (start - need) / static_cast<float>(i + 1));
  }
  if (!over && start == 1.0f) return;
  const bool tooSoon = steepest > limiterAttackStep_;
  float gain = start;
  for (int i = 0; i < frames; ++i) {
    const size_t at = static_cast<size_t>(i);
    float eased = limitEnvelope_[at];
    if (tooSoon) eased = std::max(eased, start - steepest * static_cast<float>(i + 1));
    gain = std::min({eased, limitCeiling_[at], 1.0f, gain + limiterReleaseStep_});
    sum_[2 * at] *= gain;
    sum_[2 * at + 1] *= gain;
  }
  limiterGain_ = gain;
}

void Mixer::Mix(int16_t* stereo, int frames) {
  while (frames > 0) {
    const int chunk = std::min(frames, kChunkFrames);
    std::fill_n(sum_.begin(), 2 * chunk, 0.0f);
    for (const auto& voice : voices_) {
      if (voice->current.sound) MixPlayback(voice->current, voice->rate, sum_.data(), chunk);
      if (voice->fading.sound) MixPlayback(voice->fading, voice->rate, sum_.data(), chunk);
    }
    Limit(chunk);
    for (int i = 0; i < 2 * chunk; ++i) stereo[i] = ToSample(sum_[static_cast<size_t>(i)]);
    stereo += 2 * chunk;
    frames -= chunk;
  }
}

}  // namespace platform
