#include "editor/editor_fixture.h"
#include "puzzle/level_solver.h"
#include "support/grabbed_frame.h"

namespace {

constexpr int StartState = 2;  // colour 0 closed, colour 1 open
constexpr int Rest = mapSolverType::Rested;
constexpr int Vertical = mapSolverType::CrossedVertically;
constexpr int Horizontal = mapSolverType::CrossedHorizontally;

// The least distance over the four lock states, -1 when none reached the cell.
int Least(const mapSolverType& solver, int x, int y) {
  int least = -1;
  for (int d : solver.distance[x][y]) {
    if (d >= 0 && (least < 0 || d < least)) least = d;
  }
  return least;
}

}  // namespace

using MapSolverTest = EditorTest;

TEST_F(MapSolverTest, AStartThatCannotMoveIsTheOnlyCellReached) {
  Play(Walled({"###", "#S#", "###"}));
  gameController->mapSolver.Solve(*level.CurrentMap);
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(Distance(x, y, s), x == 1 && y == 1 && s == StartState ? 0 : -1) << x << "," << y << " " << s;
      }
    }
  }
  // Trying to move down marks the start before finding the wall below it.
  EXPECT_EQ(gameController->mapSolver.marks[1][1][StartState], Rest | Vertical);
  EXPECT_EQ(gameController->mapSolver.maxDistance, 0);
}

TEST_F(MapSolverTest, CrossedCellsCountTheMovesBeforeAndRestingPointsTheMovesMade) {
  Play(Walled({"######", "#S...#", "######"}));
  gameController->mapSolver.Solve(*level.CurrentMap);
  EXPECT_EQ(Distance(1, 1, StartState), 0);
  EXPECT_EQ(Distance(2, 1, StartState), 0);  // crossed during the first move
  EXPECT_EQ(Distance(3, 1, StartState), 0);
  EXPECT_EQ(Distance(4, 1, StartState), 1);  // rested on after it
  EXPECT_EQ(Distance(5, 1, StartState), -1);
  // A cell is marked as it is left; the last cell of a move only when going down.
  EXPECT_EQ(gameController->mapSolver.marks[1][1][StartState], Rest | Vertical | Horizontal);
  EXPECT_EQ(gameController->mapSolver.marks[2][1][StartState], Horizontal);
  EXPECT_EQ(gameController->mapSolver.marks[4][1][StartState], Rest | Vertical | Horizontal);
  EXPECT_EQ(gameController->mapSolver.marks[1][2][StartState], 0);
}

TEST_F(MapSolverTest, AKeyOpensItsLockForTheLaterMovesAsTheLevelSolverFinds) {
  // The exit behind the gold lock, in open floor so the ball only ever crosses it.
  const Picture picture = Walled({
      "##########",
      "#S......a#",
      "#......#.#",
      "######A###",
      "#........#",
      "#.....E..#",
      "#........#",
      "##########",
  });
  Play(picture);
  gameController->mapSolver.Solve(*level.CurrentMap);
  const LevelSolution exact = SolveLevel(*level.CurrentMap);
  ASSERT_EQ(exact.leastMoves, 5);  // right to the key, left, down, right, down through the lock
  EXPECT_EQ(Distance(6, 5, StartState), -1);  // the lock is shut until the key is taken
  EXPECT_EQ(Least(gameController->mapSolver, 6, 5), exact.leastMoves - 1);
  EXPECT_EQ(Distance(6, 5, StartState + 1), exact.leastMoves - 1);
  // Resting on the key already counts with the lock open.
  EXPECT_EQ(Distance(8, 1, StartState + 1), 1);
  EXPECT_EQ(Distance(8, 1, StartState), 0);
}

TEST_F(MapSolverTest, ATeleportSendsTheMoveOnFromItsPartnerOneFurther) {
  Play(Walled({"##########", "#S..0#1..#", "##########"}));
  gameController->mapSolver.Solve(*level.CurrentMap);
  const int expected[] = {-1, 0, 0, 0, -1, -1, -1, 1, 2, -1};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(Distance(x, 1, StartState), expected[x]) << x;
  // Coming back left, the partner sends the ball through teleport 16, marking it as it leaves.
  EXPECT_EQ(gameController->mapSolver.marks[4][1][StartState], Horizontal);
  EXPECT_EQ(gameController->mapSolver.marks[6][1][StartState], Horizontal);
  EXPECT_EQ(gameController->mapSolver.marks[8][1][StartState], Rest | Vertical | Horizontal);
}

TEST_F(MapSolverTest, TeleportsThatSendTheBallBackAndForthEndTheMove) {
  // Right from the start: into 16, out at 17 against the wall, back to 16 and into 17 again.
  Play(Walled({"######", "#S.01#", "#....#", "######"}));
  gameController->mapSolver.Solve(*level.CurrentMap);
  EXPECT_EQ(Distance(2, 1, StartState), 0);
  EXPECT_EQ(Distance(3, 1, StartState), -1);
  EXPECT_EQ(Distance(4, 1, StartState), -1);
  EXPECT_EQ(Distance(1, 2, StartState), 1);  // the other moves are still tried
  EXPECT_EQ(Distance(4, 2, StartState), 2);
}

TEST_F(MapSolverTest, SolvesTheMapItIsGivenAndAPaintedMapItself) {
  Play(Walled({"###", "#S#", "###"}));  // in play: a start that cannot move
  level.NextMap = std::make_shared<mapType>();
  level.NextMap->tiles = GridOf(Walled({"######", "#S...#", "######"}));
  level.NextMap->lockState = level.NextMap->lockInitial = {0, 1};
  gameController->mapSolver.Solve(*level.NextMap);
  EXPECT_EQ(Distance(4, 1, StartState), 1);

  // A wall painted on the next map: its own distances, not those of the map in play.
  level.NextMap->SetTile(3, 1, tile::Void);
  gameController->mapSolver.Solve(*level.NextMap);
  EXPECT_EQ(Distance(2, 1, StartState), 1);
  EXPECT_EQ(Distance(4, 1, StartState), -1);
  level.CurrentMap->SetTile(1, 1, tile::Start);
  gameController->mapSolver.Solve(*level.CurrentMap);
  EXPECT_EQ(Distance(2, 1, StartState), -1);
}

TEST_F(MapSolverTest, CreateNextMapCarriesTheStripBesideTheNearestEdge) {
  Picture rows = Walled({"####################", "#S.................#"});
  rows[6][19] = 'E';
  rows[3][19] = 'a';
  Play(rows);
  level.NextMap = std::make_shared<mapType>();
  gameController->mapSolver.CreateNextMap(*level.CurrentMap, *level.NextMap);
  EXPECT_EQ(mapSolverType::NearestEdge(19, 6), direction::Right);
  EXPECT_EQ(gameController->mapSolver.exitX, 19);
  EXPECT_EQ(gameController->mapSolver.exitY, 6);
  for (int y = 0; y < board::Height; ++y) {
    const int expected = y == 6 ? tile::Start : level.CurrentMap->tiles[19][y];
    EXPECT_EQ(level.NextMap->tiles[0][y], expected) << y;
    EXPECT_EQ(level.NextMap->IsEditable(0, y), 0);
    EXPECT_EQ(level.NextMap->IsEditable(1, y), 1);
    EXPECT_EQ(level.NextMap->tiles[1][y], 0);
  }
  EXPECT_EQ(level.NextMap->startX, 0);
  EXPECT_EQ(level.NextMap->startY, 6);
  EXPECT_EQ(level.NextMap->shiftX, 19);
  EXPECT_EQ(level.NextMap->shiftY, 0);

  // Without an exit of its own the current map hands nothing over.
  level.CurrentMap->SetTile(19, 6, tile::Floor);
  level.NextMap = std::make_shared<mapType>();
  gameController->mapSolver.CreateNextMap(*level.CurrentMap, *level.NextMap);
  EXPECT_EQ(level.NextMap->tiles, TileGrid{});
  EXPECT_EQ(level.NextMap->protectLeft, -1);
  EXPECT_EQ(level.NextMap->shiftX, 0);
}

TEST_F(MapSolverTest, TheShownStateCyclesThroughEveryLockStateAndBack) {
  std::vector<int> seen{gameController->mapSolver.shownState};
  for (int i = 0; i < 5; ++i) {
    gameController->mapSolver.CycleShownState();
    seen.push_back(gameController->mapSolver.shownState);
  }
  EXPECT_EQ(seen, (std::vector<int>{-1, 0, 1, 2, 3, -1}));
}

TEST_F(MapSolverTest, TheOverlayDrawsDistancesAndCrossingLinesOnReachedCellsOnly) {
  Play(Walled({"######", "#S...#", "######"}));
  gameController->mapSolver.Solve(*level.CurrentMap);
  const auto draw = [this] {
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
    platform::SetOrigin(32, 30);
    gameController->mapSolver.DrawOverlay(*level.CurrentMap, 47, 47);
    platform::SetOrigin(0, 0);
    return GrabFrame();
  };
  // Cell (2, 1) has its centre at (32 + 47 + 64, 30 + 47 + 32), distance 0, crossed sideways.
  const int cx = 143, cy = 109;
  const Frame shown = draw();
  EXPECT_EQ(shown.At(cx - 12, cy), 0x808080u);  // grey 128 for distance 0
  EXPECT_EQ(shown.At(cx - 12, cy - 8), 0u);
  EXPECT_EQ(shown.At(cx, cy - 12), 0u);  // no vertical line
  bool textInRed = false;  // the digit in (164, 0, 0): the nearest distance, and the farthest too
  for (int x = cx; x < cx + 8; ++x) {
    for (int y = cy; y < cy + 16; ++y) textInRed = textInRed || shown.At(x, y) == 0xA40000u;
  }
  EXPECT_TRUE(textInRed);
  EXPECT_EQ(shown.At(cx - 12 + 32 * 4, cy), 0u);  // the wall at (5, 1)

  gameController->mapSolver.shownState = 0;  // a lock state no move reaches
  EXPECT_EQ(draw().At(cx - 12, cy), 0u);
}
