#include "app/play_events.h"

#include "app/editor_keys.h"
#include "app/game_controller.h"
#include "app/in_game_input.h"
#include "app/level_finish.h"
#include "menus/world_map.h"
#include "puzzle/flash.h"
#include "puzzle/level_state.h"
#include "services/game_log.h"
#include "services/resources.h"
#include "services/sound_manager.h"

void PlayEvents::MoveStarting(const LevelState& level) { game_.aids.attempt.BeforeMove(level); }

void PlayEvents::Restarting(const LevelState& level, bool fell) {
  if (fell) {
    game_.aids.attempt.AfterFall();
  } else {
    game_.aids.attempt.BeforeRestart(level);
  }
}

void PlayEvents::PlaySound(LevelSound sound) {
  switch (sound) {
    case LevelSound::Restart: game_.soundManager->PlayRestart(); break;
    case LevelSound::LockOpened: game_.soundManager->PlayLockOpened(); break;
    case LevelSound::LockClosed: game_.soundManager->PlayLockClosed(); break;
    case LevelSound::Teleport: game_.soundManager->PlayTeleport(); break;
  }
}

void PlayEvents::RampBallVolume(int steps) { game_.soundManager->RampBallVolume(steps); }

void PlayEvents::RestartFlash() { game_.flash = flashType::Create(0.06f, 1.0f, game_.settings.reduceFlashing); }

void PlayEvents::InputSpent() { game_.input.ResetInput(); }

void PlayEvents::LevelEnded(bool solved) {
  game_.input.ResetInput();
  game_.gameLog->LevelEnd(solved ? 1 : 2);
  game_.aids.LevelEnded(game_.level, solved);
  if (game_.replay.Active()) {
    game_.replay.Finish(game_, solved);
  } else {
    FinishLevel(game_, solved);
  }
}

void PlayEvents::HandOverFinished(const levelStartType& handOver) {
  // After the fifth level of a group the world map selects the new art style
  // when it closes; a map dismissed before the scroll ended (gone or still
  // fading out) has done so too early, for the old level, so the new level
  // selects its own.
  const WorldMap& worldMap = *game_.screens.worldMap;
  const bool mapDismissed = worldMap.state == MenuScreen::Hidden || worldMap.state == MenuScreen::FadingOut;
  if (handOver.groupDone == 0 || mapDismissed) Resources::SelectBackground(game_.level.CurrentMap->artStyle);
  SolveArrivedLevel(game_);
}

void PlayEvents::LevelBegun(int number) {
  game_.gameLog->LevelBegin(number);
  game_.aids.attempt.Begin(*game_.level.CurrentMap);
}
