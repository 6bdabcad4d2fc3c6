#include <cmath>
#include <map>
#include <random>

#include "puzzle/key_state.h"
#include "puzzle/level_solver.h"
#include "puzzle/map_solver.h"
#include "puzzle_fixture.h"

namespace {

constexpr int Directions[] = {direction::Up, direction::Right, direction::Down, direction::Left};
// Longer than any roll that ends: every (cell, locks) pair can come round once, three steps a cell.
constexpr int EndlessSteps = 3 * 1500;

// Random tiles with plenty of keys, locks and teleports (paired, lone and
// doubled), a few void and unknown cells, one start and one exit.
Picture RandomPicture(std::mt19937& random, int wallPercent) {
  const std::string rare = "aAbB0123456789 ?";
  std::uniform_int_distribution<int> percent(0, 99), x(0, board::Width - 1), y(0, board::Height - 1);
  Picture rows(board::Height, std::string(board::Width, '.'));
  for (auto& row : rows) {
    for (char& cell : row) {
      const int roll = percent(random);
      if (roll < 12) {
        cell = rare[roll * rare.size() / 12];
      } else if (roll < 12 + wallPercent) {
        cell = '#';
      }
    }
  }
  rows[y(random)][x(random)] = 'S';
  int ex = 0, ey = 0;
  do ex = x(random), ey = y(random);
  while (rows[ey][ex] == 'S');
  rows[ey][ex] = 'E';
  return rows;
}

// The lock index a map in play stands at; a changing colour counts as changed.
int SettledLocks(const mapType& map) {
  int locks = 0;
  for (int c = 0; c < 2; ++c) {
    const int state = map.lockState[c] == 2 ? 1 - map.lockInitial[c] : map.lockState[c];
    locks |= state << c;
  }
  return locks;
}

// Rows padded with walls to the full board.
Picture Walled(Picture rows) {
  rows.resize(board::Height);
  for (auto& row : rows) row.resize(board::Width, '#');
  return rows;
}

bool StartsARoll(const mapType& map, int x, int y) {
  const int kind = map.TileKind(x, y);
  return kind != tilekind::Exit && kind != tilekind::Teleport;
}

class LevelSolverTest : public PuzzleTest {
 protected:
  // The real ball, resting on (x, y) with the locks as given, asked once to
  // roll and then stepped 1/60 s at a time until it rests, finishes, falls off
  // or has rolled longer than any roll that ends.
  RollResult StepRealBall(const Picture& picture, int x, int y, int locks, int dir) {
    Play(picture);
    level.ClearParticles();
    level.CurrentMap->lockState = {locks & 1, locks >> 1};
    Ball().SetPosition(x, y);
    events.heard.clear();
    const Request requests[] = {nullptr, Up, Right, Down, Left};
    Step(requests[dir]);
    RollResult real;
    bool moved = false;
    for (int step = 0; step < EndlessSteps; ++step) {
      moved = moved || Ball().subX != 0 || Ball().subY != 0;
      real.x = Ball().cellX;
      real.y = Ball().cellY;
      real.locks = SettledLocks(*level.CurrentMap);
      if (events.Count("solved") > 0) {
        real.end = RollEnd::Exit;
        return real;
      }
      if (events.Count("flash") > 0) {
        real.end = RollEnd::FallOff;
        return real;
      }
      if (Resting()) {
        real.end = moved ? RollEnd::Rest : RollEnd::Stuck;
        return real;
      }
      // Only drawing lets faded trail go; undrawn, an endless roll's would pile up.
      level.ClearParticles();
      Step();
    }
    real.end = RollEnd::Endless;
    return real;
  }

  // The solver's answer next to the real ball's, for one roll; `realRoll` gets the real ball's.
  void ExpectSameRoll(const Picture& picture, const LevelRoller& roller, int x, int y, int locks, int dir,
                      RollResult* realRoll = nullptr) {
    const RollResult rolled = roller.Roll(x, y, locks, dir);
    const RollResult real = StepRealBall(picture, x, y, locks, dir);
    if (realRoll) *realRoll = real;
    const std::string where = "from " + std::to_string(x) + "," + std::to_string(y) + " locks " +
                              std::to_string(locks) + " direction " + std::to_string(dir);
    ASSERT_EQ(rolled.end, real.end) << where;
    if (real.end == RollEnd::Rest || real.end == RollEnd::Stuck || real.end == RollEnd::Exit) {
      EXPECT_EQ(rolled.x, real.x) << where;
      EXPECT_EQ(rolled.y, real.y) << where;
    }
    if (real.end == RollEnd::Rest || real.end == RollEnd::Stuck) {
      EXPECT_EQ(rolled.locks, real.locks) << where;
    }
  }
};

TEST_F(LevelSolverTest, RollsEndWhereTheRealBallStops) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> x(0, board::Width - 1), y(0, board::Height - 1), locks(0, 3), dir(1, 4);
  for (int m = 0; m < 60; ++m) {
    const Picture picture = RandomPicture(random, 8 + m % 4 * 8);
    Play(picture);
    const LevelRoller roller(*level.CurrentMap);
    for (int roll = 0; roll < 30; ++roll) {
      int cx = 0, cy = 0;
      do cx = x(random), cy = y(random);
      while (!StartsARoll(*level.CurrentMap, cx, cy));
      ExpectSameRoll(picture, roller, cx, cy, locks(random), dir(random));
      if (HasFatalFailure()) return;
    }
  }
}

TEST_F(LevelSolverTest, TeleportQuirksAgreeWithTheRealBall) {
  // A partner beside a wall, a lone teleport, a doubled code, a loop, keys beside locks.
  const Picture picture = {
      "####################",
      "#S..0#...1.....aA..#",
      "#....2......3......#",
      "#.4..#..5..........#",
      "#....b..B...2....E.#",
      "#..6.....7.........#",
      "#....8.............#",
      "####################",
  };
  Play(picture);
  const LevelRoller roller(*level.CurrentMap);
  for (int cx = 0; cx < board::Width; ++cx) {
    for (int cy = 0; cy < 8; ++cy) {
      if (!StartsARoll(*level.CurrentMap, cx, cy)) continue;
      for (int locks = 0; locks < 4; locks += 3) {
        for (int dir : Directions) ExpectSameRoll(picture, roller, cx, cy, locks, dir);
      }
    }
  }
}

// One move of the editor's distance map from (x, y), nothing known before it:
// where the ball comes to rest, none when it cannot move or rolls off. The
// ball rests there with the key under it used.
std::optional<mapSolverType::RestingPoint> EditorSlide(const mapType& map, int x, int y, int locks, int dir) {
  mapSolverType solver;
  for (auto& column : solver.distance) {
    for (auto& cell : column) cell.fill(-1);
  }
  keyStateType resting = keyStateType::FromIndex(locks);
  resting.Toggle(map, x, y);
  return solver.Slide(map, x, y, 0, dir, resting);
}

TEST_F(LevelSolverTest, HandDrawnBoardsRollAlikeForTheBallAndBothSolvers) {
  // No exit, and every teleport partner open all round: there the editor's
  // distance map goes its own way (map_solver.cpp).
  const Picture boards[] = {
      Walled({
          // Gold key beside and away from its lock, silver keys before their gateways.
          "#########",
          "#..aA...#",
          "#.#...b.#",
          "#.B..#..#",
          "#...A.a.#",
          "#.b..B..#",
          "#########",
      }),
      Walled({
          // Teleports sending the ball on across a key and into a lock.
          "##########",
          "#....A...#",
          "#.0......#",
          "#......1.#",
          "#..2..a..#",
          "#......3.#",
          "#........#",
          "##########",
      }),
      Walled({
          // Off the board through gaps at the top and the left, and from a partner on the edge.
          "###..1..##",
          "#........#",
          "..0......#",
          "#........#",
          "#..b..B..#",
          "#........#",
          "##########",
      }),
  };
  for (size_t b = 0; b < std::size(boards); ++b) {
    Play(boards[b]);
    const mapType map = *level.CurrentMap;
    const LevelRoller roller(map);
    for (int x = 0; x < board::Width; ++x) {
      for (int y = 0; y < board::Height; ++y) {
        const int kind = map.TileKind(x, y);
        if (kind == tilekind::Wall || kind == tilekind::Teleport || kind == tilekind::Lock) continue;
        for (int locks = 0; locks < 4; ++locks) {
          for (int dir : Directions) {
            RollResult real;
            ExpectSameRoll(boards[b], roller, x, y, locks, dir, &real);
            if (HasFatalFailure()) return;
            const auto slid = EditorSlide(map, x, y, locks, dir);
            const std::string where = "board " + std::to_string(b) + " from " + std::to_string(x) + "," +
                                      std::to_string(y) + " locks " + std::to_string(locks) + " direction " +
                                      std::to_string(dir);
            ASSERT_TRUE(real.end == RollEnd::Rest || real.end == RollEnd::Stuck || real.end == RollEnd::FallOff)
                << where;
            ASSERT_EQ(slid.has_value(), real.end == RollEnd::Rest) << where;
            if (!slid) continue;
            EXPECT_EQ(slid->x, real.x) << where;
            EXPECT_EQ(slid->y, real.y) << where;
            EXPECT_EQ(slid->snapshot.Index(), real.locks) << where;
          }
        }
      }
    }
  }
}

// The same search as the solver's, with every move stepped out by the real ball.
struct SlowSolution {
  int leastMoves = -1, restingStates = 0, deadEnds = 0, endlessRolls = 0, fallOffs = 0;
};

TEST_F(LevelSolverTest, TheSearchAgreesWithOneStepByTheRealBall) {
  std::mt19937 random(77);
  for (int m = 0; m < 8; ++m) {
    // Mostly walled in, so that the ball gets round much of the board.
    Picture picture = RandomPicture(random, 10);
    for (int x = 0; x < board::Width; x += 1 + m % 4) picture[0][x] = picture[board::Height - 1][x] = '#';
    for (int y = 0; y < board::Height; y += 2) picture[y][0] = picture[y][board::Width - 1] = '#';
    Play(picture);
    const mapType map = *level.CurrentMap;
    const LevelSolution solution = SolveLevel(map);

    SlowSolution slow;
    const auto id = [](int x, int y, int locks) { return (x * board::Height + y) * 4 + locks; };
    std::vector<int> distance(board::Width * board::Height * 4, -1);
    std::vector<std::vector<int>> next(distance.size());
    std::vector<int> order = {id(map.startX, map.startY, LevelRoller(map).StartLocks())};
    distance[order[0]] = 0;
    for (size_t head = 0; head < order.size(); ++head) {
      const int u = order[head];
      const int cx = u / 4 / board::Height, cy = u / 4 % board::Height, locks = u % 4;
      for (int dir : Directions) {
        const RollResult real = StepRealBall(picture, cx, cy, locks, dir);
        if (real.end == RollEnd::Endless) ++slow.endlessRolls;
        if (real.end == RollEnd::Exit && slow.leastMoves < 0) slow.leastMoves = distance[u] + 1;
        if (real.end == RollEnd::Exit) next[u].push_back(-1);
        if (real.end != RollEnd::Rest) continue;
        const int v = id(real.x, real.y, real.locks);
        next[u].push_back(v);
        if (distance[v] < 0) distance[v] = distance[u] + 1, order.push_back(v);
      }
    }
    slow.restingStates = static_cast<int>(order.size());
    // Dead ends: states whose every path avoids the exit, settled by repeating until nothing changes.
    std::vector<char> live(distance.size(), 0);
    for (bool changed = true; changed;) {
      changed = false;
      for (const int u : order) {
        for (const int v : next[u]) {
          if (!live[u] && (v < 0 || live[v])) live[u] = 1, changed = true;
        }
      }
    }
    for (const int u : order) slow.deadEnds += live[u] ? 0 : 1;

    EXPECT_EQ(solution.leastMoves, slow.leastMoves) << "map " << m;
    EXPECT_EQ(solution.restingStates, slow.restingStates) << "map " << m;
    EXPECT_EQ(solution.deadEnds, slow.deadEnds) << "map " << m;
    EXPECT_EQ(solution.endlessRolls, slow.endlessRolls) << "map " << m;
  }
}

TEST_F(LevelSolverTest, TheSolutionPlaysThroughWithTheRealBall) {
  std::mt19937 random(5);
  int solved = 0;
  for (int m = 0; m < 40 && solved < 10; ++m) {
    const Picture picture = RandomPicture(random, 20);
    Play(picture);
    const LevelSolution solution = SolveLevel(*level.CurrentMap);
    if (solution.leastMoves < 0) continue;
    ++solved;
    ASSERT_EQ(static_cast<int>(solution.moves.size()), solution.leastMoves);
    int cx = level.CurrentMap->startX, cy = level.CurrentMap->startY, locks = 2;
    for (size_t i = 0; i < solution.moves.size(); ++i) {
      const RollResult real = StepRealBall(picture, cx, cy, locks, solution.moves[i]);
      const bool last = i + 1 == solution.moves.size();
      ASSERT_EQ(real.end, last ? RollEnd::Exit : RollEnd::Rest) << "map " << m << " move " << i;
      cx = real.x, cy = real.y, locks = real.locks;
    }
  }
  EXPECT_EQ(solved, 10);
}

TEST_F(LevelSolverTest, CountsDeadEndsChoicesAndDangers) {
  // Right passes the open gateway to the exit; down takes the silver key,
  // which shuts the gateway: the three states after it are dead ends.
  Play(Walled({
      "##########",
      "#S..B...E#",
      "#.########",
      "#b########",
      "#.########",
  }));
  LevelSolution solution = SolveLevel(*level.CurrentMap);
  EXPECT_EQ(solution.leastMoves, 1);
  EXPECT_EQ(solution.moves, std::vector<int>{direction::Right});
  EXPECT_EQ(solution.restingStates, 4);
  EXPECT_EQ(solution.deadEnds, 3);
  EXPECT_EQ(solution.choicePoints, 0);
  EXPECT_EQ(solution.solutionChoices, 0);
  EXPECT_TRUE(solution.visited[1][4]);
  EXPECT_FALSE(solution.visited[1][5]);

  // Two ways round an open room: every state is a choice.
  Play(Walled({
      "######",
      "#S...#",
      "#....#",
      "#...E#",
  }));
  solution = SolveLevel(*level.CurrentMap);
  EXPECT_EQ(solution.leastMoves, 2);
  EXPECT_EQ(solution.restingStates, 3);
  EXPECT_EQ(solution.deadEnds, 0);
  EXPECT_EQ(solution.choicePoints, 3);
  EXPECT_EQ(solution.solutionChoices, 2);
  EXPECT_EQ(solution.fallOffs, 0);

  // Rolling out through an opening is a danger; back out over the start is the way in.
  Play(Walled({
      "#.######",
      "#S....E#",
  }));
  EXPECT_EQ(SolveLevel(*level.CurrentMap).fallOffs, 1);
  Play(Walled({
      "########",
      "S.....E#",
  }));
  solution = SolveLevel(*level.CurrentMap);
  EXPECT_EQ(solution.fallOffs, 0);
  EXPECT_EQ(solution.leastMoves, 1);
}

// The guessing player's moves by the plain value iteration: every resting
// state's expectation swept from zero until it stands still.
double GuessingByValueIteration(const mapType& map) {
  const LevelRoller roller(map);
  const auto id = [](int x, int y, int locks) { return (x * board::Height + y) * 4 + locks; };
  constexpr int Exit = -1, Start = -2;
  std::vector<int> order = {id(map.startX, map.startY, roller.StartLocks())};
  std::vector<std::vector<int>> choices(1);
  std::map<int, int> index = {{order[0], 0}};
  for (size_t head = 0; head < order.size(); ++head) {
    const int u = order[head];
    if (head > 0) choices[head].push_back(Start);
    for (int dir : Directions) {
      const RollResult roll = roller.Roll(u / 4 / board::Height, u / 4 % board::Height, u % 4, dir);
      if (roll.end == RollEnd::Exit) choices[head].push_back(Exit);
      if (roll.end == RollEnd::FallOff) choices[head].push_back(Start);
      if (roll.end != RollEnd::Rest) continue;
      const auto [at, added] = index.emplace(id(roll.x, roll.y, roll.locks), static_cast<int>(order.size()));
      if (added) order.push_back(at->first), choices.emplace_back();
      choices[head].push_back(at->second);
    }
  }
  std::vector<double> expected(order.size(), 0.0);
  for (int sweep = 0; sweep < 100000; ++sweep) {
    double change = 0;
    for (size_t i = 0; i < order.size(); ++i) {
      double sum = 0;
      for (const int to : choices[i]) sum += to == Exit ? 0 : expected[to == Start ? 0 : to];
      const double now = 1 + sum / static_cast<double>(choices[i].size());
      change = std::max(change, std::fabs(now - expected[i]));
      expected[i] = now;
    }
    if (change < 1e-9) break;
  }
  return expected[0];
}

TEST_F(LevelSolverTest, TheGuessingPlayerNeedsWhatValueIterationSettlesAt) {
  // Left to the wall, then either right to the exit or a restart; from the
  // start, right or left: E(start) = 1 + E(wall)/2, E(wall) = 1 + E(start)/2.
  Play(Walled({
      "#######",
      "#.S..E#",
  }));
  EXPECT_NEAR(SolveLevel(*level.CurrentMap).guessingMoves, 2.0, 1e-9);
  // Rolling off the board puts the ball back on the start, for one move.
  Play(Walled({
      "#######",
      "..S..E#",
  }));
  EXPECT_NEAR(SolveLevel(*level.CurrentMap).guessingMoves, 2.0, 1e-9);

  std::mt19937 random(11);
  int compared = 0;
  for (int m = 0; m < 200 && compared < 6; ++m) {
    Play(RandomPicture(random, 25));
    const LevelSolution solution = SolveLevel(*level.CurrentMap);
    // Value iteration creeps at a rate of about one in E, so only the quick ones.
    if (solution.leastMoves < 2 || solution.guessingMoves > 300) continue;
    ++compared;
    EXPECT_NEAR(solution.guessingMoves, GuessingByValueIteration(*level.CurrentMap), 1e-6) << "map " << m;
  }
  EXPECT_EQ(compared, 6);

  Play(Walled({"###", "#S#"}));
  EXPECT_EQ(SolveLevel(*level.CurrentMap).guessingMoves, -1);
}

TEST_F(LevelSolverTest, AKeyBesideItsLockStopsTheBallAndTeleportsCanLoopOrWall) {
  Play(Walled({
      "##########",
      "#S.aA...E#",
  }));
  LevelSolution solution = SolveLevel(*level.CurrentMap);
  // The lock was shut when the ball decided whether to stop on the key.
  EXPECT_EQ(solution.moves, (std::vector<int>{direction::Right, direction::Right}));

  Play(Walled({
      "##########",
      "#..0S1...E",
      "#...2....#",
      "#........#",
      "#.....3..#",
  }));
  const LevelRoller roller(*level.CurrentMap);
  // Into 1, out of 0 and onto 1 again, for ever; the same leftwards.
  EXPECT_EQ(roller.Roll(4, 1, 2, direction::Right).end, RollEnd::Endless);
  EXPECT_EQ(roller.Roll(4, 1, 2, direction::Left).end, RollEnd::Endless);
  // Down onto 2, out of 3 into the wall below it.
  const RollResult walled = roller.Roll(4, 1, 2, direction::Down);
  EXPECT_EQ(walled.end, RollEnd::Rest);
  EXPECT_TRUE(walled.throughWall);
  EXPECT_EQ(walled.x, 6);
  EXPECT_EQ(walled.y, 5);
  solution = SolveLevel(*level.CurrentMap);
  EXPECT_EQ(solution.leastMoves, -1);
  EXPECT_GT(solution.endlessRolls, 0);
  EXPECT_GT(solution.wallEntries, 0);
}

}  // namespace
