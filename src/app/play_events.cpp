#include "app/play_events.h"

#include "app/game_controller.h"
#include "app/in_game_input.h"
#include "app/level_finish.h"
#include "menus/world_map.h"
#include "puzzle/flash.h"
#include "puzzle/level_state.h"
#include "services/game_log.h"
#include "services/resources.h"
#include "services/sound_manager.h"

void PlayEvents::PlaySound(LevelSound sound) {
  switch (sound) {
    case LevelSound::Restart: soundManager->PlayRestart(); break;
    case LevelSound::LockOpened: soundManager->PlayLockOpened(); break;
    case LevelSound::LockClosed: soundManager->PlayLockClosed(); break;
    case LevelSound::Teleport: soundManager->PlayTeleport(); break;
  }
}

void PlayEvents::RampBallVolume(int steps) { soundManager->RampBallVolume(steps); }

void PlayEvents::RestartFlash() { game_.flash = flashType::Create(0.06f, 1.0f); }

void PlayEvents::InputSpent() { InputState::ResetInput(); }

void PlayEvents::LevelEnded(bool solved) {
  InputState::ResetInput();
  gameLog->LevelEnd(solved ? 1 : 2);
  FinishLevel(game_.level, solved);
}

void PlayEvents::HandOverFinished(const levelStartType& handOver) {
  // After the fifth level of a group the world map selects the new art style
  // when it closes; a map dismissed before the scroll ended (gone or still
  // fading out) has done so too early, for the old level, so the new level
  // selects its own.
  const bool mapDismissed = worldMap->state == MenuScreen::Hidden || worldMap->state == MenuScreen::FadingOut;
  if (handOver.groupDone == 0 || mapDismissed) Resources::SelectBackground(game_.level.CurrentMap->artStyle);
}

void PlayEvents::LevelBegun(int number) { gameLog->LevelBegin(number); }
