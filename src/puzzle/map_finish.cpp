// A level ends, solved or skipped: the result goes to the token column and the
// progress save, and the next map is made, placed where it lies relative to
// this one, with a transition that scrolls it in. After the last level the
// journey ends instead.

#include "app/in_game_buttons.h"
#include "app/journey_end.h"
#include "app/token_column.h"
#include "puzzle/level_start.h"
#include "puzzle/map.h"
#include "services/progress.h"

void mapType::Finish(int solved) {
  int state = progress->LevelState(number);
  if (state == Progress::Open) state = Progress::Locked;  // reached but not finished

  // Solving counts unless the level is already solved; skipping only counts
  // for a level not finished at all.
  const bool recorded = solved != 0 ? (state == Progress::Locked || state == Progress::Skipped)
                                    : state == Progress::Locked;
  TokenColumn& tokens = *inGameButtons->tokenColumn;
  if (recorded) {
    tokens.Refresh();
    const int slot = number - levels::GroupSize * (number / levels::GroupSize);
    if (slot >= 0 && slot < TokenColumn::SlotCount) tokens.tokenState[slot] = solved != 0 ? 1 : 2;
  }

  // The last level ends the journey: no level follows it, and the current
  // level stays the last one.
  if (number == levels::Last) {
    if (recorded) progress->RecordResult(number, solved);
    LevelStart = levelStartType::Hold();
    JourneyEnd::Begin();
    return;
  }

  NextMap = mapType::Create(number + 1);
  NextMap->Scroll(board::CellSize * NextMap->shiftX, board::CellSize * NextMap->shiftY);
  LevelStart = levelStartType::Create(NextMap->ScrollTargetX(), NextMap->ScrollTargetY(), 1);

  if (recorded) {
    progress->MarkLevelFinished(number, solved);
  } else {
    progress->AdvanceFrom(number);
    tokens.Refresh();
  }
}
