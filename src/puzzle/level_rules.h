#pragma once
// What a level must be to ship in the game's set of 81. The level generator
// proves every level against these rules before it writes it, and the checks
// over the shipped files hold every file to them.

#include <string>
#include <vector>

#include "puzzle/level_solver.h"

struct mapType;

// Kinds of active tile, as bits.
namespace feature {

constexpr int GoldLock = 1;    // key 31 with lock 33
constexpr int Teleports = 2;   // teleport pairs
constexpr int SilverGate = 4;  // key 32 with gateway 34

}  // namespace feature

// When each kind of active tile arrives, with its hint page.
namespace schedule {

constexpr int FirstGoldLock = 6;
constexpr int FirstTeleports = 9;
constexpr int FirstSilverGate = 13;
constexpr int FirstFallOff = 3;  // levels before it cannot be rolled off but over their start
constexpr int LastEasy = 2;      // levels up to it take 1-3 moves
constexpr int FirstWithDeadEnds = 10;
constexpr int FirstLong = 70;  // levels from it (the last three groups) take at least LongMoves
constexpr int LongMoves = 15;
constexpr double LongGroupMoves = 18;  // and each of their groups averages at least this many
constexpr int HardestMoves = 24;       // the hardest level takes at least this many
// Levels from it combine two kinds of active tile or more, and their shortest
// solution passes at least SolutionChoices real choices.
constexpr int FirstDeep = 40;
constexpr int SolutionChoices = 3;
// From this group on, the guessing player needs more moves group by group,
// and in the last group at least LastGuessingFactor times as many as here.
constexpr int FirstGuessedGroup = 8;
constexpr double LastGuessingFactor = 3;

}  // namespace schedule

// The facts about one level that the rules look at.
struct LevelReview {
  int number = 0;
  LevelSolution solution;
  int features = 0;        // feature bits present
  int uselessFeatures = 0;  // feature bits whose removal leaves the least number of moves as it was
  int starts = 0, exits = 0;
  int unknownCodes = 0;     // cells holding a code the level set does not use
  int halfFeatures = 0;     // feature bits with a key but no lock, a lock but no key, or a lone teleport
  int wallLooks = 0;        // different wall codes used
  // Inside the border: the share of wall cells with another wall beside them,
  // and of side-by-side wall pairs that share their look.
  double wallsInShapes = 0;
  double sameLookPairs = 0;
  int quadrantsReached = 0;  // quarters of the board the ball can get into
  int reachedColumns = 0;    // width and height of the stretch of board the ball can get into
  int reachedRows = 0;
  int quadrantsWalled = 0;   // quarters of the board holding walls
  // The hand-over from the level before (not for level 0).
  bool shiftAsChained = true;
  bool startAsChained = true;
  int chainMismatches = 0;

  int LiveStates() const { return solution.restingStates - solution.deadEnds; }
};

// previous is the level before, or null for the first one.
LevelReview ReviewLevel(const mapType& map, const mapType* previous);
// What one level breaks, in words; empty when it is fit to ship.
std::vector<std::string> LevelProblems(const LevelReview& review);
// The rules across the set, such as each group being harder than the one before.
std::vector<std::string> LevelSetProblems(const std::vector<LevelReview>& reviews);
// The average least number of moves over the reviewed levels of a group of five.
double GroupAverage(const std::vector<LevelReview>& reviews, int group);
// The average expected moves of a guessing player over the reviewed levels of a group.
double GroupGuessing(const std::vector<LevelReview>& reviews, int group);
// "gold teleports silver" and the like; "-" for none.
std::string FeatureNames(int features);
