#pragma once
// What the game keeps beside the level for the player: the attempt (its moves,
// each of which undo takes back, the par, the hints), the hint's sign on the
// board and the best records of every level. The keys that ask for undo and
// the hint are read with the others in in_game_input.cpp.

#include "app/hint_sign.h"
#include "puzzle/attempt.h"
#include "services/level_records.h"

class SoundManager;
struct LevelState;
struct PlayRequests;

class PlayAids {
 public:
  Attempt attempt;
  HintSign hint;
  LevelRecords records;

  // Undo and the hint as asked for in this step, before the board moves; only
  // while the player has the board (playerControl 1).
  void TakeRequests(LevelState& level, const PlayRequests& requests, int playerControl, SoundManager& sounds);
  // The level has ended: a solve goes into the records.
  void LevelEnded(const LevelState& level, bool solved);
  void Draw(const LevelState& level);

 private:
  void GiveHint(const LevelState& level);
};
