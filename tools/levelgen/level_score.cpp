#include "level_score.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "puzzle/level_chain.h"

namespace {

constexpr int Broken = 10000;  // a rule every shipped level keeps
constexpr int Unsolved = 100000;

bool BlocksTeleport(const mapType& map, int x, int y) {
  if (!board::Contains(x, y)) return true;
  const int kind = map.TileKind(x, y);
  return kind == tilekind::Wall || kind == tilekind::Lock || kind == tilekind::Teleport;
}

// How near the ball gets to the exit, for levels it cannot yet finish.
int ExitDistance(const mapType& map, const CellMask& visited) {
  int nearest = board::Width + board::Height;
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      if (visited[x][y]) nearest = std::min(nearest, std::abs(x - map.exitX) + std::abs(y - map.exitY));
    }
  }
  return nearest;
}

int Shortfall(double value, double least, int weight) {
  return value < least ? static_cast<int>(weight * (least - value)) : 0;
}

}  // namespace

bool TeleportsHaveRoom(const mapType& map) {
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      if (map.TileKind(x, y) != tilekind::Teleport) continue;
      for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        if (BlocksTeleport(map, x + dx, y + dy)) return false;
      }
    }
  }
  return true;
}

// Interior walls beyond a fifth of the inside of the frame make a board look cluttered.
int Clutter(const mapType& map) {
  int walls = 0;
  for (int x = 1; x < board::Width - 1; ++x) {
    for (int y = 1; y < board::Height - 1; ++y) walls += map.TileKind(x, y) == tilekind::Wall ? 1 : 0;
  }
  return std::max(0, walls - (board::Width - 2) * (board::Height - 2) / 5);
}

// Row by row, each column's run of floor ending in that row makes a skyline;
// the largest rectangle under it is found with a stack of rising bars.
int LargestEmptyArea(const mapType& map) {
  constexpr int Inside = board::Width - 2;
  std::array<int, Inside + 1> run{};  // the last bar stays 0 and empties the stack
  int largest = 0;
  for (int y = 1; y < board::Height - 1; ++y) {
    for (int i = 0; i < Inside; ++i) run[i] = map.tiles[i + 1][y] == tile::Floor ? run[i] + 1 : 0;
    std::vector<int> rising;
    for (int i = 0; i <= Inside; ++i) {
      while (!rising.empty() && run[rising.back()] >= run[i]) {
        const int height = run[rising.back()];
        rising.pop_back();
        const int left = rising.empty() ? 0 : rising.back() + 1;
        largest = std::max(largest, height * (i - left));
      }
      rising.push_back(i);
    }
  }
  return largest;
}

int ScoreLevel(const mapType& map, const LevelReview& review, const LevelPlan& plan) {
  const LevelSolution& s = review.solution;
  int score = -30 * Clutter(map);
  if (s.leastMoves < 0) return score - Unsolved - 50 * ExitDistance(map, s.visited);

  if (review.starts != 1 || review.exits != 1 || review.halfFeatures != 0) score -= Broken;
  if (s.endlessRolls > 0 || s.wallEntries > 0 || !TeleportsHaveRoom(map)) score -= Broken;
  if (plan.closedFrame && s.fallOffs > 0) score -= Broken;
  if (plan.needsFallOff && s.fallOffs == 0) score -= Broken / 4;
  if (review.chainMismatches > 0 || !review.startAsChained) score -= Broken;

  const int missing = plan.features & ~review.features;
  const int useless = review.uselessFeatures;
  score -= 2000 * (__builtin_popcount(static_cast<unsigned>(missing)) + __builtin_popcount(static_cast<unsigned>(useless)));

  if (EdgeNearestTo(map.exitX, map.exitY) != plan.exitEdge) score -= 150;

  const int moves = s.leastMoves;
  const int most = plan.targetMoves + plan.slack;
  if (moves < plan.targetMoves) score -= 400 * (plan.targetMoves - moves);
  if (moves > most) score -= 400 * (moves - most);

  if (plan.number <= schedule::LastEasy) score -= 50 * s.deadEnds;
  if (plan.wantsDeadEnds) {
    score += 25 * std::min(s.deadEnds, 6) + 25 * std::min(s.choicePoints, 6) + std::min(s.restingStates, 60);
    if (s.deadEnds == 0) score -= 800;
    if (s.choicePoints < 2) score -= 800;
  }
  if (plan.number > schedule::LastEasy && review.LiveStates() <= moves + 1) score -= 800;
  if (plan.solutionChoices > 0) {
    score += 25 * std::min(s.solutionChoices, 2 * plan.solutionChoices);
    score -= 800 * std::max(0, plan.solutionChoices - s.solutionChoices);
  }
  // Each halving of the guessing player's moves below the floor weighs like a move.
  if (plan.leastGuessing > 0 && s.guessingMoves < plan.leastGuessing) {
    score -= 100 + static_cast<int>(400 * std::log2(plan.leastGuessing / std::max(s.guessingMoves, 1.0)));
  }

  score -= 500 * (4 - review.quadrantsReached) + 500 * (4 - review.quadrantsWalled);
  score -= 100 * (std::max(0, 17 - review.reachedColumns) + std::max(0, 11 - review.reachedRows));
  // A bare cell beyond the plan's field weighs like a few walls of clutter.
  if (plan.largestEmptyArea > 0) score -= 30 * std::max(0, LargestEmptyArea(map) - plan.largestEmptyArea);
  if (review.wallLooks < 3) score -= 500;
  score -= Shortfall(review.wallsInShapes, 0.85, 6000) + Shortfall(review.sameLookPairs, 0.9, 6000);
  return score;
}
