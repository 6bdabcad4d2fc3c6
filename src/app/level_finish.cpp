// A level ends, solved or skipped: the result goes to the token column and the
// progress save, and the next map is made, placed where it lies relative to
// this one, with a hand-over that scrolls it in. After the last level the
// journey ends instead.

#include "app/level_finish.h"

#include "app/game_controller.h"
#include "app/in_game_buttons.h"
#include "app/journey_end.h"
#include "app/token_column.h"
#include "menus/tutorial_page.h"
#include "menus/world_map.h"
#include "platform/host/diagnostics.h"
#include "puzzle/editor_mode.h"
#include "puzzle/level_state.h"
#include "services/progress.h"
#include "services/sound_manager.h"

void OpenHintPage(GameController& game, int number) {
  const auto& pages = Progress::tutorialForLevel;
  const bool hasPage = EditorMode == 0 && number >= 0 && number < static_cast<int>(pages.size());
  if (hasPage && game.progress->MarkTutorialSeen(pages[number]) == 1) {
    platform::DebugLog("hint shown");
    game.popup = TutorialPage::Create(game, pages[number]);
    game.popup->Show();
  } else {
    game.popup = nullptr;
  }
}

namespace {

void AtRest(GameController& game, levelStartType& start) {
  start.groupPosition = game.progress->PositionInGroup(-1);
  game.inGameButtons->tokenColumn->Reset();
}

// The finished level's place in its group sets the sound; the fifth shows the world map.
std::shared_ptr<levelStartType> BeginHandOver(GameController& game, int dx, int dy) {
  auto start = levelStartType::Create(dx, dy, 1);
  start->groupPosition = game.progress->PositionInGroup(-1);
  if (start->groupPosition == levels::GroupSize - 1) {
    start->groupDone = 1;
    game.screens.worldMap->Show();
    game.soundManager->PlayOohOoh();
  } else {
    start->groupDone = 0;
    const LevelState& level = game.level;
    if (level.CurrentMap && level.CurrentMap->number >= 0) game.soundManager->PlayOoh(start->groupPosition);
  }
  game.inGameButtons->tokenColumn->Reveal(start->groupPosition);
  return start;
}

}  // namespace

void StartHandOverAtRest(GameController& game) {
  game.level.LevelStart = levelStartType::Create(0, 0, 0);
  AtRest(game, *game.level.LevelStart);
}

void FinishLevel(GameController& game, bool solved) {
  LevelState& level = game.level;
  Progress& progress = *game.progress;
  const int number = level.CurrentMap->number;
  int state = progress.LevelState(number);
  if (state == Progress::Open) state = Progress::Locked;  // reached but not finished

  // Solving counts unless the level is already solved; skipping only counts
  // for a level not finished at all.
  const bool recorded = solved ? (state == Progress::Locked || state == Progress::Skipped) : state == Progress::Locked;
  TokenColumn& tokens = *game.inGameButtons->tokenColumn;
  if (recorded) {
    tokens.Refresh();
    const int slot = number - levels::GroupSize * (number / levels::GroupSize);
    if (slot >= 0 && slot < TokenColumn::SlotCount) tokens.tokenState[slot] = solved ? 1 : 2;
  }

  // The last level ends the journey: no level follows it, and the current
  // level stays the last one.
  if (number == levels::Last) {
    if (recorded) progress.RecordResult(number, solved ? 1 : 0);
    level.LevelStart = levelStartType::Hold(*level.CurrentMap);
    AtRest(game, *level.LevelStart);
    game.journeyEnd.Begin();
    return;
  }

  level.NextMap = mapType::Create(number + 1);
  OpenHintPage(game, number + 1);
  level.NextMap->Scroll(board::CellSize * level.NextMap->shiftX, board::CellSize * level.NextMap->shiftY);
  level.LevelStart = BeginHandOver(game, level.NextMap->ScrollTargetX(), level.NextMap->ScrollTargetY());

  if (recorded) {
    progress.MarkLevelFinished(number, solved ? 1 : 0);
  } else {
    progress.AdvanceFrom(number);
    tokens.Refresh();
  }
}
