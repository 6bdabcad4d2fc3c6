#include "platform/audio.h"

#include "platform/audio_output.h"
#include "platform/mixer.h"
#include "platform/platform.h"
#include "platform/sound_decoders.h"

namespace platform {
namespace {

struct AudioSystem {
  Mixer mixer;
  std::unique_ptr<AudioOutput> output;  // declared last, so closed before the mixer goes
};

AudioSystem& Audio() {
  static AudioSystem audio;
  return audio;
}

// Channel state is changed only while the device is not mixing. Decoding and
// file reading happen before any lock is taken.
class MixerLock {
 public:
  MixerLock() : output_(Audio().output.get()) {
    if (output_) output_->Lock();
  }
  ~MixerLock() {
    if (output_) output_->Unlock();
  }
  MixerLock(const MixerLock&) = delete;
  MixerLock& operator=(const MixerLock&) = delete;

 private:
  AudioOutput* output_;
};

}  // namespace

TSound LoadSound(const std::string& path, int flags) {
  auto decoded = DecodeSoundFile(HostPath(path));
  if (!decoded) return {};
  decoded->loop = flags != 0;
  return TSound(std::make_shared<const SoundData>(std::move(*decoded)));
}

TChannel AllocChannel() { return TChannel(Audio().mixer.NewVoice()); }

TChannel PlaySound(const TSound& sound, const TChannel& channel) {
  if (!sound) return channel;
  const TChannel target = channel ? channel : AllocChannel();
  MixerLock lock;
  Audio().mixer.Play(target.Shared(), sound.Shared());
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

bool OpenAudio() {
  AudioSystem& audio = Audio();
  if (audio.output) return true;
  auto output = OpenAudioOutput(kDefaultOutputRate,
                                [](int16_t* stereo, int frames) { Audio().mixer.Mix(stereo, frames); });
  if (!output) return false;
  // The device is still paused, so the mixer can be matched to it unlocked.
  audio.mixer.SetOutputRate(output->Rate());
  audio.output = std::move(output);
  audio.output->Start();
  return true;
}

void CloseAudio() { Audio().output.reset(); }

bool AudioOpen() { return Audio().output != nullptr; }

int AudioRate() { return Audio().mixer.OutputRate(); }

std::string LastAudioError() { return LastAudioOutputError(); }

void MixAudio(int16_t* stereo, int frames) {
  if (stereo == nullptr || frames <= 0) return;
  MixerLock lock;
  Audio().mixer.Mix(stereo, frames);
}

}  // namespace platform
