#pragma once
// The sound card as the mixer sees it: a device that asks, on its own thread,
// for interleaved 16-bit stereo frames. Implemented by the host back-end.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform {

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // The rate the device really runs at, which may differ from the one asked for.
  virtual int Rate() const = 0;
  // The device starts paused so that its owner can match the mixer to Rate().
  virtual void Start() = 0;
  // While locked the device is not rendering; it renders with the lock held.
  virtual void Lock() = 0;
  virtual void Unlock() = 0;
};

using AudioRender = std::function<void(int16_t* stereo, int frames)>;

// Null when the host has no usable audio device; the reason is in
// LastAudioOutputError().
std::unique_ptr<AudioOutput> OpenAudioOutput(int preferredRate, AudioRender render);
std::string LastAudioOutputError();

}  // namespace platform
