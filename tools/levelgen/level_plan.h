#pragma once
// What the generator aims for in one level: how many moves it should take,
// which active tiles it brings, how its walls are laid out and which edge
// its exit lies on (and so where the next level scrolls in from).

#include <array>

class RandomSource;

enum class Symmetry { None, LeftRight, TopBottom, Turned };

// What keeps a level's group harder than the group before, for a level that
// is as hard as the rest of its group will be.
struct LevelFloor {
  int moves = 0;
  double guessing = 0;  // expected moves of a guessing player
};

struct LevelPlan {
  int number = 0;
  int targetMoves = 1;     // the least number of moves aimed at
  int slack = 1;           // how many more moves are as good
  double leastGuessing = 0;  // expected moves of a guessing player, from the deep levels on
  int solutionChoices = 0;   // real choices wanted on the shortest solution
  int features = 0;        // feature bits the level brings, each of which must matter
  bool closedFrame = true;  // no openings in the border but the start and exit
  bool needsFallOff = false;
  bool wantsDeadEnds = false;
  Symmetry symmetry = Symmetry::None;
  int startEdge = 0;             // direction code of the edge the start lies on; 0 for none
  int exitEdge = 2;              // the edge the exit should rather lie on
  std::array<int, 3> looks{};    // wall codes of pillars, bars and bulky shapes
  int fewestShapes = 4, mostShapes = 14;  // wall shapes on the board besides the frame
  int largestEmptyArea = 0;      // cells of the largest bare rectangle inside the frame; 0 for any
  int restarts = 1, steps = 1;   // search budget: fresh layouts, and changes tried on each
};

// The border's walls share one look in every level, so the strip a level
// inherits from the one before matches its own border.
constexpr int FrameLook = 10;

// startEdge: the edge the level's start lies on (0 for the first level).
LevelPlan PlanLevel(int number, int startEdge, const LevelFloor& floor, RandomSource& random);
