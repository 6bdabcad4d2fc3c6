// The audio device: one SDL2 output stream of 16-bit stereo, its callback
// filled by the mixer. SDL holds the device lock while the callback runs.

#include <SDL.h>

#include "platform/audio/audio_output.h"

namespace platform {
namespace {

constexpr Uint16 kBufferFrames = 1024;  // about 23 ms at 44.1 kHz

std::string lastError;

class SdlAudioOutput final : public AudioOutput {
 public:
  explicit SdlAudioOutput(AudioRender render) : render_(std::move(render)) {}
  ~SdlAudioOutput() override {
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  SdlAudioOutput(const SdlAudioOutput&) = delete;
  SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

  bool Open(int preferredRate) {
    SDL_AudioSpec wanted{};
    wanted.freq = preferredRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = kBufferFrames;
    wanted.callback = &SdlAudioOutput::Callback;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // SDL converts format and channel count for us; a different rate the mixer takes itself.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (device_ == 0) return false;
    rate_ = obtained.freq;
    return true;
  }

  int Rate() const override { return rate_; }
  void Start() override { SDL_PauseAudioDevice(device_, 0); }
  void Lock() override { SDL_LockAudioDevice(device_); }
  void Unlock() override { SDL_UnlockAudioDevice(device_); }

 private:
  static void SDLCALL Callback(void* user, Uint8* stream, int bytes) {
    auto* self = static_cast<SdlAudioOutput*>(user);
    self->render_(reinterpret_cast<int16_t*>(stream), bytes / static_cast<int>(2 * sizeof(int16_t)));
  }

  AudioRender render_;
  SDL_AudioDeviceID device_ = 0;
  int rate_ = 0;
};

}  // namespace

std::unique_ptr<AudioOutput> OpenAudioOutput(int preferredRate, AudioRender render) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    lastError = SDL_GetError();
    return nullptr;
  }
  auto output = std::make_unique<SdlAudioOutput>(std::move(render));
  if (!output->Open(preferredRate)) {
    lastError = SDL_GetError();
    return nullptr;
  }
  return output;
}

std::string LastAudioOutputError() { return lastError; }

}  // namespace platform
