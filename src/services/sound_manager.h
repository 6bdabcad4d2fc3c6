#pragma once
// Every sound of the game: music, the ball's rolling sound and the effects;
// holds so far the two volumes, the ball volume ramp and the alternation of the
// two effect channels. No sound is loaded yet, so each one asked for is
// reported as a Null sound in the debug log.

#include <memory>

class SoundManager {
 public:
  float effectsVolume = 0;  // 0 to 2
  float musicVolume = 0;    // 0 to 2
  int currentEffectChannel = 0;
  float ballVolume = 0;
  float ballVolumeFactor = 0.5f;
  float ballRampStep = 0.025f;
  float ballVolumeMax = 1.5f;
  float ballVolumeMin = 0.5f;

  // The instance, with the volumes the options file gave.
  static std::shared_ptr<SoundManager> Create();
  void Init();
  void SetEffectsVolume(float v);
  void SetMusicVolume(float v);
  // n units of ballRampStep x effectsVolume, kept between the ball's minimum and maximum.
  void RampBallVolume(int n);
  void StartMusic();
  void StartBallSound();
  void StopBallSound();
  void StopMusic();
  void PlayOoh(int position);
  void PlayOohOoh();
  void PlayRestart();
  void PlayLockOpened();
  void PlayLockClosed();
  void PlayTeleport();
  void PlayPageTurn();
  void ToggleEffectChannel();

 private:
  void PlayEffect();
};

extern std::shared_ptr<SoundManager> soundManager;
