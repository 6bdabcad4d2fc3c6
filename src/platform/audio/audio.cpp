#include "platform/audio/audio.h"

#include <future>
#include <mutex>

#include "platform/audio/audio_output.h"
#include "platform/host/host_threads.h"
#include "platform/audio/mixer.h"
#include "platform/host/platform.h"
#include "platform/codecs/sound_decoders.h"
#include "platform/audio/sound_stream.h"

namespace platform {
namespace {

// The device may be opened on a thread of its own (finding out that there is
// none can take a tenth of a second); `state` guards what that thread installs.
struct AudioSystem {
  std::mutex state;
  Mixer mixer;
  std::string error;
  std::future<void> opener;
  std::unique_ptr<AudioOutput> output;  // declared last, so closed before the mixer goes

  ~AudioSystem() {
    if (opener.valid()) opener.get();
  }
};

AudioSystem& Audio() {
  static AudioSystem audio;
  return audio;
}

// Channel state is changed only while the device is not mixing. Decoding and
// file reading happen before any lock is taken.
class MixerLock {
 public:
  MixerLock() : state_(Audio().state), output_(Audio().output.get()) {
    if (output_) output_->Lock();
  }
  ~MixerLock() {
    if (output_) output_->Unlock();
  }
  MixerLock(const MixerLock&) = delete;
  MixerLock& operator=(const MixerLock&) = delete;

 private:
  std::lock_guard<std::mutex> state_;
  AudioOutput* output_;
};

// The device starts paused, so the mixer is matched to it before it mixes.
void OpenDevice() {
  AudioSystem& audio = Audio();
  auto output = OpenAudioOutput(kDefaultOutputRate,
                                [](int16_t* stereo, int frames) { Audio().mixer.Mix(stereo, frames); });
  std::lock_guard<std::mutex> lock(audio.state);
  if (!output) {
    audio.error = LastAudioOutputError();
    return;
  }
  audio.mixer.SetOutputRate(output->Rate());
  audio.output = std::move(output);
  audio.output->Start();
}

void FinishOpening() {
  if (Audio().opener.valid()) Audio().opener.get();
}

}  // namespace

TSound LoadSound(const std::string& path, int flags) {
  auto decoded = LoadSoundFile(HostPath(path));
  if (!decoded) return {};
  decoded->loop = flags != 0;
  return TSound(std::make_shared<const SoundData>(std::move(*decoded)));
}

TChannel AllocChannel() { return TChannel(Audio().mixer.NewVoice()); }

TChannel PlaySound(const TSound& sound, const TChannel& channel) {
  if (!sound) return channel;
  const TChannel target = channel ? channel : AllocChannel();
  auto stream = OpenSoundStream(sound.Shared());
  MixerLock lock;
  Audio().mixer.Play(target.Shared(), sound.Shared(), std::move(stream));
  return target;
}

void StopChannel(const TChannel& channel) {
  if (!channel) return;
  MixerLock lock;
  Audio().mixer.Stop(*channel.Shared());
}

void SetChannelVolume(const TChannel& channel, float volume) {
  if (!channel) return;
  MixerLock lock;
  Audio().mixer.SetVolume(*channel.Shared(), volume);
}

void SetChannelRate(const TChannel& channel, float rate) {
  if (!channel) return;
  MixerLock lock;
  Audio().mixer.SetRate(*channel.Shared(), rate);
}

bool ChannelPlaying(const TChannel& channel) {
  if (!channel) return false;
  MixerLock lock;
  return Mixer::IsPlaying(*channel.Shared());
}

TSound ChannelSound(const TChannel& channel) {
  if (!channel) return {};
  MixerLock lock;
  const MixerVoice& voice = *channel.Shared();
  return Mixer::IsPlaying(voice) ? TSound(voice.sound) : TSound();
}

float ChannelVolume(const TChannel& channel) {
  return channel ? static_cast<float>(channel.Shared()->volume) / kVolumeOne : 0.0f;
}

float ChannelRate(const TChannel& channel) {
  return channel ? static_cast<float>(channel.Shared()->rate) / kRateOne : 0.0f;
}

void OpenAudioInBackground() {
  AudioSystem& audio = Audio();
  if (AudioOpen() || audio.opener.valid()) return;
  audio.opener = std::async(kBesideTheGame, OpenDevice);
}

bool OpenAudio() {
  OpenAudioInBackground();
  FinishOpening();
  return AudioOpen();
}

void CloseAudio() {
  FinishOpening();
  AudioSystem& audio = Audio();
  std::lock_guard<std::mutex> lock(audio.state);
  audio.output.reset();
}

bool AudioOpen() {
  std::lock_guard<std::mutex> lock(Audio().state);
  return Audio().output != nullptr;
}

int AudioRate() {
  std::lock_guard<std::mutex> lock(Audio().state);
  return Audio().mixer.OutputRate();
}

std::string LastAudioError() {
  std::lock_guard<std::mutex> lock(Audio().state);
  return Audio().error;
}

void MixAudio(int16_t* stereo, int frames) {
  if (stereo == nullptr || frames <= 0) return;
  MixerLock lock;
  Audio().mixer.Mix(stereo, frames);
}

}  // namespace platform
