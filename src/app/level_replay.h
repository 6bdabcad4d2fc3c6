#pragma once
// A level played again from the level select, away from the journey. The
// journey's level waits as it stood, ball, locks, undo and all, while the
// replay is played; once the replay is solved or left, the journey's level is
// the game's level again and the level select opens on the level replayed.
// Solving a skipped level on a replay counts it as solved; nothing else of the
// progress moves.

#include <optional>

#include "puzzle/attempt.h"
#include "puzzle/level_state.h"

class GameController;

class LevelReplay {
 public:
  bool Active() const { return waiting_.has_value(); }
  // The journey's level steps aside and level `number` starts at rest.
  void Begin(GameController& game, int number);
  // The replayed level ended: the progress takes a skipped level solved, and
  // the game goes back to the menus.
  void Finish(GameController& game, bool solved);
  // Back to the journey's level; answers the level that was replayed.
  int End(GameController& game);

 private:
  struct Waiting {
    LevelState level;
    Attempt attempt;
  };
  std::optional<Waiting> waiting_;
  int number_ = 0;
};
