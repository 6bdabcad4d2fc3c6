#pragma once
// The fewest moves from where the ball rests to the exit, for the par shown in
// play and for the hint. A breadth-first search over resting states with the
// level solver's rolls (LevelRoller), without the analyses SolveLevel adds for
// the generator, so that it takes a few microseconds when a level loads.

#include <optional>
#include <vector>

struct mapType;

// The ball at rest on a board cell with the lock colours as they stand
// (keyStateType's index, as RollRule::LocksInPlay gives it).
struct RestingBall {
  int x = 0, y = 0;
  int locks = 0;
};

// The directions of one shortest way to the exit; nothing when there is none.
std::optional<std::vector<int>> ShortestWay(const mapType& map, RestingBall from);
// From the map's start with the locks as they begin; -1 when the exit cannot be reached.
int LeastMoves(const mapType& map);
// Where the ball rests now on the level's map, its locks in play.
RestingBall RestingBallOn(const mapType& map);
