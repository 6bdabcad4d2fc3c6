#include "app/level_replay.h"

#include <utility>

#include "app/game_controller.h"
#include "app/in_game_buttons.h"
#include "app/journey_end.h"
#include "app/level_finish.h"
#include "app/token_column.h"
#include "menus/world_map.h"
#include "services/progress.h"
#include "services/resources.h"

void LevelReplay::Begin(GameController& game, int number) {
  if (!Active()) waiting_ = Waiting{std::move(game.level), game.aids.attempt};
  number_ = number;
  LevelState& level = game.level;
  level = LevelState();
  level.listener = &game.events;
  level.progress = game.progress.get();
  level.CurrentMap = mapType::Create(number);
  StartHandOverAtRest(game);
  game.events.LevelBegun(number);
  Resources::SelectBackground(level.CurrentMap->artStyle);
  level.LevelStart->Start(level);
  game.popup = nullptr;
  game.aids.hint.Clear();
  game.screens.worldMap->Hide();
  game.journeyEnd.Abandon();
}

void LevelReplay::Finish(GameController& game, bool solved) {
  Progress& progress = *game.progress;
  if (solved && progress.LevelState(number_) == Progress::Skipped) progress.RecordResult(number_, 1);
  game.runMode = 1;
}

int LevelReplay::End(GameController& game) {
  if (!Active()) return number_;
  game.level = std::move(waiting_->level);
  game.aids.attempt = std::move(waiting_->attempt);
  waiting_.reset();
  game.aids.hint.Clear();
  Resources::SelectBackground(game.level.CurrentMap->artStyle);
  game.inGameButtons->tokenColumn->Refresh();
  return number_;
}
