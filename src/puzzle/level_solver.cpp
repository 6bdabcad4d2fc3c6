#include "puzzle/level_solver.h"

#include <algorithm>

#include "puzzle/guessing_player.h"
#include "puzzle/map.h"

namespace {

constexpr int LockIndexes = LevelRoller::LockIndexes;
constexpr int Moves[] = {direction::Up, direction::Right, direction::Down, direction::Left};

}  // namespace

LevelRoller::LevelRoller(const mapType& map) {
  const RollRule rule(map);
  startLocks = rule.StartLocks();
  for (int x = -1; x <= board::Width; ++x) {
    for (int y = -1; y <= board::Height; ++y) {
      const int i = Index(x, y);
      effect[i] = rule.EffectAt(x, y);
      partner[i] = effect[i] == CellEffect::Teleport ? rule.PartnerOf(x, y) : BoardCell{x, y};
      // Only a key turns a lock.
      const bool key = effect[i] == CellEffect::Key;
      for (int locks = 0; locks < LockIndexes; ++locks) {
        if (rule.MayEnter(x, y, locks)) passable[i] |= static_cast<uint8_t>(1 << locks);
        afterKey[i][locks] = static_cast<uint8_t>(key ? rule.AfterKey(x, y, locks) : locks);
      }
    }
  }
}

RollResult LevelRoller::Roll(int x, int y, int locks, int direction, CellMask* path) const {
  RollResult result;
  result.x = x;
  result.y = y;
  result.locks = locks;
  if (!RollRule::IsMove(direction)) return result;
  const auto enter = [&](BoardCell cell) {
    ++result.cellsCrossed;
    if (path) (*path)[cell.x][cell.y] = true;
  };

  // A resting ball has already used the key under it.
  locks = ArriveOn(*this, x, y, direction::None, locks).locks;
  result.locks = locks;
  Arrival at = ArriveOn(*this, x, y, direction, locks);
  if (at.outcome != Arrival::RollOn) return result;

  // Every (cell, locks) pair can come round at most once unless the roll loops for ever.
  for (int arrivals = 0; arrivals <= Cells * LockIndexes; ++arrivals) {
    const BoardCell left = at.leaves;
    const BoardCell here = at.next;
    at = ArriveOn(*this, here.x, here.y, direction, locks);
    result.locks = locks;
    if (at.outcome == Arrival::FallOff) {
      // Told by the cell it left from, which a teleport partner may be.
      result.x = left.x;
      result.y = left.y;
      result.end = RollEnd::FallOff;
      return result;
    }
    result.x = here.x;
    result.y = here.y;
    enter(here);
    if (at.outcome == Arrival::Exit) {
      result.end = RollEnd::Exit;
      return result;
    }
    if (at.effect == CellEffect::Teleport) {
      enter(at.leaves);
      result.throughWall = result.throughWall || !MayEnter(at.next.x, at.next.y, locks);
    }
    locks = at.locks;
    if (at.outcome == Arrival::Stop) {
      result.end = RollEnd::Rest;
      result.locks = locks;
      return result;
    }
  }
  result.end = RollEnd::Endless;
  return result;
}

LevelSolution SolveLevel(const mapType& map) {
  LevelSolution solution;
  if (!board::Contains(map.startX, map.startY)) return solution;
  const LevelRoller roller(map);

  constexpr int States = board::Width * board::Height * LockIndexes;
  constexpr int None = -1;
  constexpr int Solved = States;
  constexpr int FellOff = States + 1;
  const auto isState = [](int v) { return v >= 0 && v < States; };
  const auto encode = [](int x, int y, int locks) { return (x * board::Height + y) * LockIndexes + locks; };

  std::vector<int> distance(States, -1), parent(States, None), parentMove(States, 0);
  std::vector<std::array<int, 4>> next(States);
  std::vector<int> order;
  order.reserve(States);

  const int start = encode(map.startX, map.startY, roller.StartLocks());
  distance[start] = 0;
  order.push_back(start);
  solution.visited[map.startX][map.startY] = true;
  int solvedFrom = None, solvedMove = 0;

  for (size_t head = 0; head < order.size(); ++head) {
    const int u = order[head];
    const int cell = u / LockIndexes;
    const int x = cell / board::Height, y = cell % board::Height, locks = u % LockIndexes;
    for (int m = 0; m < 4; ++m) {
      const RollResult roll = roller.Roll(x, y, locks, Moves[m], &solution.visited);
      int target = None;
      switch (roll.end) {
        case RollEnd::Rest: target = encode(roll.x, roll.y, roll.locks); break;
        case RollEnd::Exit:
          target = Solved;
          if (solvedFrom == None) solvedFrom = u, solvedMove = Moves[m];
          break;
        case RollEnd::FallOff:
          target = FellOff;
          if (roll.x != map.startX || roll.y != map.startY) ++solution.fallOffs;
          break;
        case RollEnd::Endless: ++solution.endlessRolls; break;
        case RollEnd::Stuck: break;
      }
      if (roll.throughWall) ++solution.wallEntries;
      next[u][m] = target;
      if (isState(target) && distance[target] < 0) {
        distance[target] = distance[u] + 1;
        parent[target] = u;
        parentMove[target] = Moves[m];
        order.push_back(target);
      }
    }
  }
  solution.restingStates = static_cast<int>(order.size());

  if (solvedFrom != None) {
    solution.leastMoves = distance[solvedFrom] + 1;
    solution.moves.push_back(solvedMove);
    for (int u = solvedFrom; parent[u] != None; u = parent[u]) solution.moves.push_back(parentMove[u]);
    std::reverse(solution.moves.begin(), solution.moves.end());
  }

  // States that can still reach the exit, found backwards from the finishing moves.
  std::vector<int> firstPredecessor(States + 1, 0), predecessors;
  for (const int u : order) {
    for (const int v : next[u]) {
      if (isState(v)) ++firstPredecessor[v + 1];
    }
  }
  for (int v = 0; v < States; ++v) firstPredecessor[v + 1] += firstPredecessor[v];
  predecessors.resize(firstPredecessor[States]);
  std::vector<int> filled(firstPredecessor.begin(), firstPredecessor.end() - 1);
  for (const int u : order) {
    for (const int v : next[u]) {
      if (isState(v)) predecessors[filled[v]++] = u;
    }
  }
  std::vector<char> live(States, 0);
  std::vector<int> pending;
  for (const int u : order) {
    if (std::find(next[u].begin(), next[u].end(), Solved) != next[u].end()) live[u] = 1, pending.push_back(u);
  }
  while (!pending.empty()) {
    const int v = pending.back();
    pending.pop_back();
    for (int i = firstPredecessor[v]; i < firstPredecessor[v + 1]; ++i) {
      const int u = predecessors[i];
      if (!live[u]) live[u] = 1, pending.push_back(u);
    }
  }

  std::vector<char> choice(States, 0);
  for (const int u : order) {
    if (!live[u]) {
      ++solution.deadEnds;
      continue;
    }
    std::array<int, 4> useful{};
    int count = 0;
    for (const int v : next[u]) {
      if (v == u || (v != Solved && !(isState(v) && live[v]))) continue;
      if (std::find(useful.begin(), useful.begin() + count, v) == useful.begin() + count) useful[count++] = v;
    }
    if (count >= 2) ++solution.choicePoints, choice[u] = 1;
  }
  if (solvedFrom == None) return solution;
  for (int u = solvedFrom; u != None; u = parent[u]) solution.solutionChoices += choice[u];

  // The guessing player's moves, over the states numbered in the order the search found them.
  std::vector<int> position(States, None);
  for (size_t i = 0; i < order.size(); ++i) position[order[i]] = static_cast<int>(i);
  std::vector<std::array<int, 4>> rolls(order.size());
  for (size_t i = 0; i < order.size(); ++i) {
    for (int m = 0; m < 4; ++m) {
      const int v = next[order[i]][m];
      rolls[i][m] = v == Solved ? guessing::ToExit : v == FellOff ? 0 : isState(v) ? position[v] : guessing::NoRoll;
    }
  }
  solution.guessingMoves = ExpectedGuessingMoves(rolls, 0);
  return solution;
}
