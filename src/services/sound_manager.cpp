#include "services/sound_manager.h"

#include "platform/host/clock.h"
#include "platform/host/diagnostics.h"
#include "platform/host/random.h"
#include "platform/host/text.h"
#include "services/options_file.h"

using namespace platform;


namespace {

// Volumes at or under this count as off for the music.
constexpr float kMusicThreshold = 0.05f;

float NextVolumeStep(float volume) {
  if (volume < 0.5f) return 0.5f;
  if (volume < 1.0f) return 1.0f;
  if (volume < 1.5f) return 1.5f;
  if (volume < 2.0f) return 2.0f;
  return 0.0f;
}

}  // namespace

std::shared_ptr<SoundManager> SoundManager::Create() {
  auto manager = std::make_shared<SoundManager>();
  manager->Init();
  return manager;
}

void SoundManager::Init() {
  effectChannels[0] = AllocChannel();
  effectChannels[1] = AllocChannel();
  musicSound = LoadSound("media\\velin_flutedance.ogg", 1);
  ballSound = LoadSound("media\\waves2.ogg", 1);
  chimeSound = LoadSound("media\\chimes.wav", 0);
  oohSound = LoadSound("media\\ooh.ogg", 0);
  restartSound = LoadSound("media\\bigdoorshut2.ogg", 0);
  oohOohSound = LoadSound("media\\oohooh2.ogg", 0);
  lockOpenSound = LoadSound("media\\dododo.ogg", 0);
  lockCloseSound = LoadSound("media\\woom.ogg", 0);
  teleportSound = LoadSound("media\\tele.ogg", 0);
  undoSound = LoadSound("media\\undo.ogg", 0);
  pageTurnSound = LoadSound("media\\pageturn2.ogg", 0);
  musicVolume = 0;
  effectsVolume = 0;
  // Music was off until now, so a saved music volume above the threshold starts it here.
  SetMusicVolume(savedMusicVolume);
  SetEffectsVolume(savedEffectsVolume);
}

// The ball channel keeps its volume until the ball sound starts again.
void SoundManager::SetEffectsVolume(float v) {
  DebugLog("Volume set to " + Str(v));
  effectsVolume = v;
  for (const TChannel& channel : effectChannels) SetChannelVolume(channel, v);
}

void SoundManager::SetMusicVolume(float v) {
  const bool start = v > kMusicThreshold && musicVolume < kMusicThreshold;
  const bool stop = v < kMusicThreshold && musicVolume > kMusicThreshold;
  musicVolume = v;
  if (musicChannel) SetChannelVolume(musicChannel, v);
  if (start) StartMusic();
  if (stop) StopMusic();
}

void SoundManager::RampBallVolume(int n) {
  ballVolume += static_cast<float>(n) * ballRampStep * effectsVolume;
  if (ballVolume < effectsVolume * ballVolumeMin) {
    ballVolume = effectsVolume * ballVolumeMin;
  } else if (ballVolume > effectsVolume * ballVolumeMax) {
    ballVolume = effectsVolume * ballVolumeMax;
  }
  if (ballChannel) SetChannelVolume(ballChannel, ballVolume);
}

void SoundManager::StepEffectsVolume() { SetEffectsVolume(NextVolumeStep(effectsVolume)); }

void SoundManager::StepMusicVolume() { SetMusicVolume(NextVolumeStep(musicVolume)); }

void SoundManager::StartMusic() {
  if (musicVolume < kMusicThreshold) {
    DebugLog("Music started but is too quiet");
    return;
  }
  if (musicChannel) {
    DebugLog("Music channel already exists but asked to start again");
    return;
  }
  musicChannel = AllocChannel();
  SetChannelVolume(musicChannel, musicVolume);
  PlayOn(musicSound, musicChannel);
}

void SoundManager::StartBallSound() {
  if (ballChannel) {
    DebugLog("ball channel already exists but asked to start again");
    return;
  }
  ballVolume = effectsVolume * ballVolumeFactor;
  ballChannel = AllocChannel();
  SetChannelVolume(ballChannel, ballVolume);
  PlayOn(ballSound, ballChannel);
}

void SoundManager::StopBallSound() {
  if (!ballChannel) return;
  StopChannel(ballChannel);
  ballChannel = TChannel();
}

void SoundManager::PlayOn(const TSound& sound, const TChannel& channel) {
  if (!sound) {
    DebugLog("Attempted to play Null sound");
    return;
  }
  PlaySound(sound, channel);
}

void SoundManager::StopMusic() {
  if (!musicChannel) return;
  StopChannel(musicChannel);
  musicChannel = TChannel();
}

void SoundManager::PlayOoh(int position) { PlayEffect(oohSound, 1.0f + 0.2f * static_cast<float>(position)); }

void SoundManager::PlayOohOoh() { PlayEffect(oohOohSound, 1.0f); }

void SoundManager::PlayRestart() { PlayEffect(restartSound, 1.0f); }

void SoundManager::PlayLockOpened() { PlayEffect(lockOpenSound, 1.0f); }

void SoundManager::PlayLockClosed() { PlayEffect(lockCloseSound, 1.0f); }

void SoundManager::PlayTeleport() { PlayEffect(teleportSound, static_cast<float>(Rnd(1.0, 0.5))); }

void SoundManager::PlayUndo() { PlayEffect(undoSound, 1.0f); }

void SoundManager::PlayPageTurn() { PlayEffect(pageTurnSound, 1.0f); }

void SoundManager::ToggleEffectChannel() { currentEffectChannel = currentEffectChannel == 0 ? 1 : 0; }

void SoundManager::PlayChime() {
  if (lastChimeTime + chimeInterval < static_cast<int64_t>(Millisecs())) {
    PlayEffect(chimeSound, 1.0f);
    lastChimeTime = Millisecs();
  }
}

// The effect channel's volume is the one SetEffectsVolume last gave it.
void SoundManager::PlayEffect(const TSound& sound, float rate) {
  const TChannel& channel = effectChannels[static_cast<size_t>(currentEffectChannel)];
  SetChannelRate(channel, rate);
  PlayOn(sound, channel);
  ToggleEffectChannel();
}
