#pragma once
// Our software mixer. Any number of voices play at once; each is resampled to
// the output rate with linear interpolation and scaled by its volume, and all
// are summed in float and clamped once into 16-bit stereo. A sum that would go
// past the clamp is first brought under it by a limiter, whose gain eases down
// ahead of the peak and recovers after it, so loud moments are quieter rather
// than flat-topped. Below its level, a fifth of a decibel under full scale,
// it leaves every sample untouched, so a sound on its own plays bit for bit.
// Every change of gain (a stop, a restart, a new volume, a start in the middle
// of a waveform) is spread over a ramp of a few milliseconds so that nothing
// clicks; a sound that starts from silence starts at full gain, so it plays
// exactly as recorded.
//
// A streamed sound is read through its own SoundStream per playing, which
// decodes the frames each chunk needs.
//
// The mixer does no locking of its own: its owner makes sure that the game's
// calls and Mix, which runs on the output's thread, never overlap. Mix neither
// allocates nor frees (a stream's decoder reuses its buffers once it has
// started), so a lock held around it costs only the mixing itself and, for a
// streamed sound, decoding about as many frames as it mixes.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/audio/sound_data.h"
#include "platform/audio/sound_stream.h"

namespace platform {

constexpr int kVolumeOne = 4096;      // volumes are stored in 1/4096
constexpr uint32_t kRateOne = 65536;  // rates are stored in 1/65536
constexpr int kDefaultOutputRate = 44100;

// One sound being played from a position, with its gain ramp.
struct Playback {
  const SoundData* sound = nullptr;  // kept alive by the voice's shared pointer
  SoundStream* stream = nullptr;     // a streamed sound's, owned by the voice
  uint64_t position = 0;             // in frames of the sound, 32.32 fixed point
  float gain = 0.0f;
  float targetGain = 0.0f;
  float gainStep = 0.0f;
  int rampLeft = 0;
  bool fadingOut = false;  // ends when its ramp reaches silence
};

// One channel: the sound it plays and, after a stop or a restart, the short
// fade-out of what it played before.
struct MixerVoice {
  std::shared_ptr<const SoundData> sound;
  std::shared_ptr<const SoundData> fadingSound;
  std::unique_ptr<SoundStream> stream;
  std::unique_ptr<SoundStream> fadingStream;
  Playback current;
  Playback fading;
  int volume = kVolumeOne;
  uint32_t rate = kRateOne;
  bool listed = false;  // in the mixer's list of voices to mix
};

class Mixer {
 public:
  explicit Mixer(int outputRate = kDefaultOutputRate);

  void SetOutputRate(int rate);
  int OutputRate() const { return outputRate_; }
  int RampFrames() const { return rampFrames_; }

  // A voice starts idle and joins the mix when it is played.
  std::shared_ptr<MixerVoice> NewVoice() const;
  // From the beginning, replacing whatever the voice played. A streamed sound
  // comes with a fresh stream of its own (OpenSoundStream); without one it
  // plays nothing.
  void Play(const std::shared_ptr<MixerVoice>& voice, std::shared_ptr<const SoundData> sound,
            std::unique_ptr<SoundStream> stream = nullptr);
  void Stop(MixerVoice& voice);
  void SetVolume(MixerVoice& voice, float volume);
  void SetRate(MixerVoice& voice, float rate);
  static bool IsPlaying(const MixerVoice& voice) { return voice.current.sound != nullptr; }
  size_t ListedVoices() const { return voices_.size(); }

  // Interleaved 16-bit stereo at the output rate.
  void Mix(int16_t* stereo, int frames);

 private:
  static constexpr int kChunkFrames = 512;

  void ForgetFinishedVoices();
  void StartFadeOut(MixerVoice& voice) const;
  void RampTo(Playback& playback, float gain) const;
  void MixPlayback(Playback& playback, uint32_t rate, float* sum, int frames) const;
  void MixStreamed(Playback& playback, uint64_t step, float* sum, int frames) const;
  template <class Source>
  int MixFrames(Playback& playback, uint64_t step, const Source& source, float* sum, int frames) const;
  void Limit(int frames);

  int outputRate_ = kDefaultOutputRate;
  int rampFrames_ = 1;
  std::vector<std::shared_ptr<MixerVoice>> voices_;
  std::array<float, 2 * kChunkFrames> sum_{};
  std::array<float, kChunkFrames> limitCeiling_{};   // per frame, the gain that keeps it under the limit
  std::array<float, kChunkFrames> limitEnvelope_{};  // held before each peak and eased in ahead of it
  float limiterGain_ = 1.0f;
  float limiterAttackStep_ = 1.0f;   // largest fall of the gain per frame
  float limiterReleaseStep_ = 1.0f;  // largest rise of the gain per frame
  int limiterHoldFrames_ = 1;        // a peak's gain is held this long before it
};

}  // namespace platform
