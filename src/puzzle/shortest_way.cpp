#include "puzzle/shortest_way.h"

#include <algorithm>
#include <array>

#include "puzzle/ball.h"
#include "puzzle/level_solver.h"
#include "puzzle/map.h"

namespace {

constexpr int LockIndexes = LevelRoller::LockIndexes;
constexpr int States = board::Width * board::Height * LockIndexes;
constexpr int Moves[] = {direction::Up, direction::Right, direction::Down, direction::Left};

int Encode(int x, int y, int locks) { return (x * board::Height + y) * LockIndexes + locks; }

}  // namespace

std::optional<std::vector<int>> ShortestWay(const mapType& map, RestingBall from) {
  if (!board::Contains(from.x, from.y) || from.locks < 0 || from.locks >= LockIndexes) return std::nullopt;
  const LevelRoller roller(map);
  constexpr int None = -1;
  std::vector<int> parent(States, None), parentMove(States, 0), order;
  std::vector<char> seen(States, 0);
  order.reserve(States);
  const int start = Encode(from.x, from.y, from.locks);
  seen[start] = 1;
  order.push_back(start);

  for (size_t head = 0; head < order.size(); ++head) {
    const int u = order[head];
    const int cell = u / LockIndexes;
    const int x = cell / board::Height, y = cell % board::Height, locks = u % LockIndexes;
    for (const int move : Moves) {
      const RollResult roll = roller.Roll(x, y, locks, move);
      if (roll.end == RollEnd::Exit) {
        std::vector<int> way{move};
        for (int v = u; v != start; v = parent[v]) way.push_back(parentMove[v]);
        std::reverse(way.begin(), way.end());
        return way;
      }
      if (roll.end != RollEnd::Rest) continue;
      const int v = Encode(roll.x, roll.y, roll.locks);
      if (seen[v]) continue;
      seen[v] = 1;
      parent[v] = u;
      parentMove[v] = move;
      order.push_back(v);
    }
  }
  return std::nullopt;
}

int LeastMoves(const mapType& map) {
  const auto way = ShortestWay(map, {map.startX, map.startY, RollRule(map).StartLocks()});
  return way ? static_cast<int>(way->size()) : -1;
}

RestingBall RestingBallOn(const mapType& map) {
  if (!map.ball) return {map.startX, map.startY, RollRule(map).StartLocks()};
  return {map.ball->cellX, map.ball->cellY, RollRule(map).LocksInPlay()};
}
