#include "services/sound_manager.h"

#include "platform/diagnostics.h"
#include "platform/text.h"
#include "services/options_file.h"

std::shared_ptr<SoundManager> soundManager;

namespace {

void ReportNullSound() { platform::DebugLog("Attempted to play Null sound"); }

}  // namespace

std::shared_ptr<SoundManager> SoundManager::Create() {
  auto manager = std::make_shared<SoundManager>();
  manager->Init();
  return manager;
}

void SoundManager::Init() {
  musicVolume = 0;
  effectsVolume = 0;
  SetMusicVolume(savedMusicVolume);
  SetEffectsVolume(savedEffectsVolume);
}

void SoundManager::SetEffectsVolume(float v) {
  platform::DebugLog("Volume set to " + platform::Str(v));
  effectsVolume = v;
}

void SoundManager::SetMusicVolume(float v) { musicVolume = v; }

void SoundManager::RampBallVolume(int n) {
  ballVolume += static_cast<float>(n) * ballRampStep * effectsVolume;
  if (ballVolume < effectsVolume * ballVolumeMin) {
    ballVolume = effectsVolume * ballVolumeMin;
  } else if (ballVolume > effectsVolume * ballVolumeMax) {
    ballVolume = effectsVolume * ballVolumeMax;
  }
}

void SoundManager::StartMusic() {
  if (musicVolume < 0.05f) {
    platform::DebugLog("Music started but is too quiet");
    return;
  }
  ReportNullSound();
}

void SoundManager::StartBallSound() {
  ballVolume = effectsVolume * ballVolumeFactor;
  ReportNullSound();
}

// Nothing is playing while no sound is loaded, so there is nothing to stop.
void SoundManager::StopBallSound() {}

void SoundManager::StopMusic() {}

void SoundManager::PlayOoh(int) { PlayEffect(); }

void SoundManager::PlayOohOoh() { PlayEffect(); }

void SoundManager::PlayRestart() { PlayEffect(); }

void SoundManager::PlayLockOpened() { PlayEffect(); }

void SoundManager::PlayLockClosed() { PlayEffect(); }

void SoundManager::PlayTeleport() { PlayEffect(); }

void SoundManager::PlayPageTurn() { PlayEffect(); }

void SoundManager::ToggleEffectChannel() { currentEffectChannel = currentEffectChannel == 0 ? 1 : 0; }

// Effects take turns on the two effect channels.
void SoundManager::PlayEffect() {
  ReportNullSound();
  ToggleEffectChannel();
}
