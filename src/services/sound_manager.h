#pragma once
// Every sound of the game: one looping music track, the ball's looping rolling
// sound while a level is played, and short effects. Effects take turns on two
// reserved channels so that a new one does not cut off the one just started;
// music and the ball sound get a channel of their own while they play. Keeps
// the music and effects volumes (0 to 2) that the options show and save.

#include <array>
#include <cstdint>
#include <memory>

#include "platform/audio/audio.h"

class SoundManager {
 public:
  platform::TSound musicSound;
  platform::TSound ballSound;
  platform::TSound chimeSound;
  platform::TSound oohSound;
  platform::TSound restartSound;
  platform::TSound oohOohSound;
  platform::TSound lockOpenSound;
  platform::TSound lockCloseSound;
  platform::TSound teleportSound;
  platform::TSound undoSound;
  platform::TChannel musicChannel;  // Null while no music plays
  platform::TChannel ballChannel;   // Null while the ball sound is off
  platform::TSound pageTurnSound;
  std::array<platform::TChannel, 2> effectChannels;
  float effectsVolume = 0;  // 0 to 2
  float musicVolume = 0;    // 0 to 2
  int currentEffectChannel = 0;
  int64_t lastChimeTime = 0;  // Millisecs() when the chime last played
  int chimeInterval = 600;    // least milliseconds between two chimes
  float ballVolume = 0;
  // The ball's volume, its ramp step and its bounds are fractions of the effects volume.
  float ballVolumeFactor = 0.5f;
  float ballRampStep = 0.025f;
  float ballVolumeMax = 1.5f;
  float ballVolumeMin = 0.5f;

  // The instance, with its sounds loaded and the volumes the options file gave.
  static std::shared_ptr<SoundManager> Create();
  void Init();
  void SetEffectsVolume(float v);
  // Crossing 0.05 upward starts the music, downward stops it.
  void SetMusicVolume(float v);
  // n units of ballRampStep x effectsVolume, kept between the ball's minimum and maximum.
  void RampBallVolume(int n);
  // Each moves its volume on through 0.5, 1.0, 1.5, 2.0, 0.
  void StepEffectsVolume();
  void StepMusicVolume();
  void StartMusic();
  void StartBallSound();
  void StopBallSound();
  void PlayOn(const platform::TSound& sound, const platform::TChannel& channel);
  void StopMusic();
  // The level's position 0-4 in its group raises the pitch.
  void PlayOoh(int position);
  void PlayOohOoh();
  void PlayRestart();
  void PlayLockOpened();
  void PlayLockClosed();
  void PlayTeleport();
  void PlayUndo();
  void PlayPageTurn();
  void ToggleEffectChannel();
  // At most once every chimeInterval milliseconds.
  void PlayChime();

 private:
  void PlayEffect(const platform::TSound& sound, float rate);
};
