#pragma once
// The player's visit to the level on the board: the moves of this attempt,
// each of which can be taken back, the level's par and the hints asked for.
// Taking a move back puts back the whole level as it stood before it (a copy
// of the LevelState), so keys, locks and the ball are as they were; a roll
// that fell off the board and a restart are taken back the same way.

#include <cstddef>
#include <deque>

#include "puzzle/level_state.h"

class Attempt {
 public:
  // Far beyond any level's moves; past it the oldest steps are forgotten.
  static constexpr size_t MostSteps = 2000;

  // A level has become the current one: its par worked out, nothing to take back.
  void Begin(const mapType& map);
  // The ball at rest is about to roll away from `level` as it stands.
  void BeforeMove(const LevelState& level);
  // The player restarts: the attempt starts over, and one undo brings it back.
  void BeforeRestart(const LevelState& level);
  // The ball rolled off the board: the attempt starts over; the roll's own
  // step brings the ball back to where it rested.
  void AfterFall() { moves_ = 0; }
  // The level as it stood before the last move or restart. The board's
  // particles stay as they are. False when there is nothing to take back, or
  // while the level hands over to the next.
  bool Undo(LevelState& level);
  void CountHint() { ++hints_; }

  int Moves() const { return moves_; }
  // The fewest moves that solve the level from its start; -1 when none do.
  int Par() const { return par_; }
  int Hints() const { return hints_; }
  bool CanUndo() const { return !steps_.empty(); }

 private:
  struct Step {
    LevelState before;
    int moves = 0;
  };
  void Keep(const LevelState& level);

  std::deque<Step> steps_;
  int moves_ = 0;
  int par_ = -1;
  int hints_ = 0;
};
