#pragma once
// Works a level out from its tiles alone, for the level generator, the checks
// on the shipped levels and the benchmarks. A resting state is the ball's cell
// with the two lock colours as they stand (keyStateType's index, 0-3); a move
// is one roll the player starts, run by the same roll rule as the ball's own
// step (roll_rule.h).

#include <array>
#include <cstdint>
#include <vector>

#include "puzzle/board.h"
#include "puzzle/roll_rule.h"

struct mapType;

using CellMask = std::array<std::array<bool, board::Height>, board::Width>;  // [x][y]

enum class RollEnd {
  Stuck,    // the first cell cannot be entered: the ball does not move
  Rest,     // the ball stops on a cell
  Exit,     // the ball reaches the exit's centre
  FallOff,  // the ball rolls off the board; the level restarts
  Endless,  // teleports keep the ball rolling for ever
};

struct RollResult {
  RollEnd end = RollEnd::Stuck;
  int x = 0, y = 0;          // where the ball rests or finishes, or the cell it fell off from
  int locks = 0;             // lock index afterwards
  int cellsCrossed = 0;      // board cells entered on the way
  bool throughWall = false;  // a teleport carried the ball into a wall or a shut lock
};

// One map's answers to the roll rule's questions, looked up in tables, so
// that a roll runs quickly; the rule's own ArriveOn decides each arrival. The
// tables cover the board and the ring of cells just off it.
class LevelRoller {
 public:
  explicit LevelRoller(const mapType& map);

  // The ball rests on (x, y), a cell of the board that is neither the exit
  // nor a teleport, and starts rolling in `direction` (1-4). `path`, when
  // given, marks every board cell the ball enters.
  RollResult Roll(int x, int y, int locks, int direction, CellMask* path = nullptr) const;
  // The lock index a level starts with.
  int StartLocks() const { return startLocks; }

  // The questions ArriveOn asks, answered as the map's RollRule answered them.
  CellEffect EffectAt(int x, int y) const { return effect[Index(x, y)]; }
  bool MayEnter(int x, int y, int locks) const { return passable[Index(x, y)] >> locks & 1; }
  BoardCell PartnerOf(int x, int y) const { return partner[Index(x, y)]; }
  int AfterKey(int x, int y, int locks) const { return afterKey[Index(x, y)][locks]; }

  static constexpr int LockIndexes = 4;

 private:
  // The board with a ring of off-board cells around it, column by column.
  static constexpr int Stride = board::Height + 2;
  static constexpr int Cells = (board::Width + 2) * Stride;
  static int Index(int x, int y) { return (x + 1) * Stride + y + 1; }

  std::array<CellEffect, Cells> effect{};
  std::array<uint8_t, Cells> passable{};  // bit i: may be entered with lock index i
  std::array<BoardCell, Cells> partner{};
  std::array<std::array<uint8_t, LockIndexes>, Cells> afterKey{};
  int startLocks = 0;
};

struct LevelSolution {
  int leastMoves = -1;      // -1: the exit cannot be reached from the start
  std::vector<int> moves;   // directions of one shortest solution
  int restingStates = 0;    // resting states reachable from the start, the start included
  int deadEnds = 0;         // reachable resting states from which the exit can no longer be reached
  int choicePoints = 0;     // live resting states offering at least two moves to different live states
  int solutionChoices = 0;  // choice points among the resting states of the shortest solution
  // The moves a player who guesses needs on average (guessing_player.h); -1 when unsolvable.
  double guessingMoves = -1;
  int endlessRolls = 0;     // reachable moves that never end
  // Reachable moves that roll off the board anywhere but back out over the
  // start, the way the ball came in from the level before.
  int fallOffs = 0;
  int wallEntries = 0;      // reachable moves that carry the ball into a wall or a shut lock
  CellMask visited{};       // cells the ball enters in reachable moves, and the start
};

// Breadth-first search over the resting states, from the start with the locks as they begin.
LevelSolution SolveLevel(const mapType& map);
