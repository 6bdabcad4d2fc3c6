#pragma once
// Sounds and the channels of our software mixer, which plays beside the game on
// the audio device's thread. A short sound is decoded whole when it is loaded;
// a long one (the music) is decoded as it plays. A
// channel is a voice of the mixer, reserved for as long as its handle lives;
// its volume is kept in 1/4096 and its rate in 1/65536. Handles are shared;
// an empty handle is Null and every operation on a Null channel does nothing.
//
// Without an audio device (none opened, or none to be had) everything keeps
// working and keeps its state; nothing is heard.

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

struct SoundData;
struct MixerVoice;

class TSound {
 public:
  TSound() = default;
  explicit TSound(std::shared_ptr<const SoundData> data) : data_(std::move(data)) {}
  explicit operator bool() const { return data_ != nullptr; }
  bool IsNull() const { return data_ == nullptr; }
  const SoundData* get() const { return data_.get(); }
  const std::shared_ptr<const SoundData>& Shared() const { return data_; }
  friend bool operator==(const TSound& a, const TSound& b) { return a.data_ == b.data_; }

 private:
  std::shared_ptr<const SoundData> data_;
};

class TChannel {
 public:
  TChannel() = default;
  explicit TChannel(std::shared_ptr<MixerVoice> voice) : voice_(std::move(voice)) {}
  explicit operator bool() const { return voice_ != nullptr; }
  bool IsNull() const { return voice_ == nullptr; }
  const std::shared_ptr<MixerVoice>& Shared() const { return voice_; }
  friend bool operator==(const TChannel& a, const TChannel& b) { return a.voice_ == b.voice_; }

 private:
  std::shared_ptr<MixerVoice> voice_;
};

// An Ogg Vorbis or RIFF WAVE file; Null when missing or undecodable. Non-zero
// flags make the sound loop.
TSound LoadSound(const std::string& path, int flags);
TChannel AllocChannel();
// From the beginning, unpaused. A given channel is reused and whatever it
// played stops; with a Null channel a fresh one is taken for this playing.
// Playing a Null sound changes nothing.
TChannel PlaySound(const TSound& sound, const TChannel& channel = {});
void StopChannel(const TChannel& channel);
// 1.0 is the sound's own level; more amplifies.
void SetChannelVolume(const TChannel& channel, float volume);
// 1.0 is the sound's own rate, 2.0 an octave up.
void SetChannelRate(const TChannel& channel, float rate);

// What a channel holds, as stored.
bool ChannelPlaying(const TChannel& channel);
TSound ChannelSound(const TChannel& channel);
float ChannelVolume(const TChannel& channel);
float ChannelRate(const TChannel& channel);

// The device. The game starts opening it in the background and goes on;
// until it is open every channel keeps its state (a sound played meanwhile
// starts where it was asked to when the device comes). OpenAudio opens it, or
// waits for the opening under way, and is true when a device plays; when none
// can be had the game runs silently. Closing keeps every channel's state.
void OpenAudioInBackground();
bool OpenAudio();
void CloseAudio();
bool AudioOpen();
int AudioRate();
std::string LastAudioError();

// Mixes the next frames as the device would (interleaved 16-bit stereo at
// AudioRate()): for tools and tests that run with no device.
void MixAudio(int16_t* stereo, int frames);

}  // namespace platform
