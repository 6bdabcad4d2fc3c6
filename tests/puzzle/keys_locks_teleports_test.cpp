#include <algorithm>

#include "puzzle/key_state.h"
#include "puzzle_fixture.h"

namespace {

class KeysLocksTeleportsTest : public PuzzleTest {
 protected:
  long Count(const std::string& line) const { return std::count(log.begin(), log.end(), line); }
};

TEST_F(KeysLocksTeleportsTest, AnOpeningLockLetsTheBallThroughAtOnce) {
  Play({
      "#############",
      "#S..a..A....#",
      "#############",
  });
  Move(requestRight);
  EXPECT_EQ(Ball().cellX, 11);
  EXPECT_EQ(Count("Opened 31"), 1);
  // The ball passed while the lock was still fading open.
  EXPECT_EQ(CurrentMap->lockState[0], 2);
  EXPECT_LT(CurrentMap->lockTimer[0], 40);

  Steps(40);
  EXPECT_EQ(CurrentMap->lockState[0], 1);
  EXPECT_EQ(CurrentMap->lockTimer[0], 40);  // stays until the next restart
  EXPECT_TRUE(Logged("1"));
  EXPECT_TRUE(Logged("40"));

  // Back over the used key: nothing happens, the lock stays open.
  log.clear();
  Move(requestLeft);
  EXPECT_EQ(Ball().cellX, 1);
  EXPECT_EQ(Count("Opened 31"), 0);
  EXPECT_EQ(CurrentMap->lockState[0], 1);
}

TEST_F(KeysLocksTeleportsTest, AClosingLockBlocksTheBallAtOnce) {
  Play({
      "#############",
      "#S..b..B....#",
      "#############",
  });
  Move(requestRight);
  EXPECT_EQ(Ball().cellX, 6);
  EXPECT_EQ(Count("Closed 32"), 1);
  EXPECT_EQ(CurrentMap->lockState[1], 2);
  Steps(40);
  EXPECT_EQ(CurrentMap->lockState[1], 0);

  // A restart brings the lock back open, and the ball goes through before the key.
  Step(&requestRestart);
  EXPECT_EQ(CurrentMap->lockState[1], 1);
  EXPECT_EQ(CurrentMap->lockTimer[1], 0);
}

TEST_F(KeysLocksTeleportsTest, AKeyActsOnceWhileTheBallRestsOnIt) {
  Play({
      "#######",
      "#S..a##",
      "#######",
  });
  Move(requestRight);
  ASSERT_EQ(Ball().cellX, 4);
  Steps(60);  // UseKey runs every step; the lock changes once
  EXPECT_EQ(Count("Opened 31"), 1);
  EXPECT_EQ(CurrentMap->lockState[0], 1);

  // A closed lock blocks, and a lock already changing is not changed again.
  auto map = std::make_shared<mapType>();
  map->tiles[3][3] = 33;
  map->tiles[4][4] = 31;
  map->lockInitial = {0, 1};
  map->lockState = {0, 1};
  EXPECT_EQ(map->CanEnter(3, 3), 0);
  map->UseKey(4, 4);
  EXPECT_EQ(map->CanEnter(3, 3), 1);
  map->UseKey(4, 4);
  EXPECT_EQ(Count("Opened 31"), 2);
  map->UseKey(5, 5);  // not a key: nothing
  map->UseKey(-1, 40);
  EXPECT_EQ(map->lockState, (std::array<int, 2>{2, 1}));
}

TEST_F(KeysLocksTeleportsTest, ASnapshotDecidesInsteadOfTheMapsLocks) {
  auto map = std::make_shared<mapType>();
  map->tiles[1][1] = 33;
  map->tiles[2][2] = 34;
  map->tiles[3][3] = 12;
  map->lockInitial = {0, 1};
  map->lockState = {0, 1};
  keyStateType snapshot;
  snapshot.state = {1, 0};
  EXPECT_EQ(map->CanEnter(1, 1, &snapshot), 1);
  EXPECT_EQ(map->CanEnter(2, 2, &snapshot), 0);
  EXPECT_EQ(map->CanEnter(1, 1), 0);
  EXPECT_EQ(map->CanEnter(2, 2), 1);
  EXPECT_EQ(map->CanEnter(3, 3, &snapshot), 0);
  map->lockState = {2, 2};
  EXPECT_EQ(map->CanEnter(1, 1), 1);  // opening
  EXPECT_EQ(map->CanEnter(2, 2), 0);  // closing
}

TEST_F(KeysLocksTeleportsTest, ATeleportSendsTheBallOnFromTheFirstPartnerInColumnOrder) {
  Play({
      "####################",
      "#S..1..........0...#",
      "#...................",
      "#.......0#..........",
      "####################",
  });
  Step(&requestRight);
  Steps(9);
  ASSERT_EQ(Ball().cellX, 4);
  ASSERT_EQ(Ball().subX, 0);

  // In the same step: to the 16 with the smaller x, and a third of a cell on,
  // without asking whether the cell after the partner may be entered.
  Step();
  EXPECT_EQ(Ball().cellX, 8);
  EXPECT_EQ(Ball().cellY, 3);
  EXPECT_EQ(Ball().subX, 1);
  EXPECT_EQ(Ball().direction, 2);
  EXPECT_TRUE(Logged("Teleport"));
  Steps(2);
  EXPECT_EQ(Ball().cellX, 9);  // inside the wall after the partner

  auto map = std::make_shared<mapType>();
  map->tiles = GridOf({"......1", "...0", "...1"});
  ballType ball;
  ball.cellX = 3, ball.cellY = 1, ball.direction = 4;
  map->Teleport(ball);
  EXPECT_EQ(ball.cellX, 3);  // 16 goes to the first 17: (3, 2) before (6, 0)
  EXPECT_EQ(ball.cellY, 2);
  EXPECT_EQ(ball.direction, 4);
}

TEST_F(KeysLocksTeleportsTest, WithoutAPartnerTheBallRollsOnFromTheTeleport) {
  Play({
      "##########",
      "#S..3....#",
      "##########",
  });
  Step(&requestRight);
  Steps(10);
  EXPECT_EQ(Ball().cellX, 4);
  EXPECT_EQ(Ball().subX, 1);
  Move(requestRight);
  EXPECT_EQ(Ball().cellX, 8);
}

TEST_F(KeysLocksTeleportsTest, TheBallLightsItsEightNeighboursAndTheLightFades) {
  Play({
      "..........",
      "..........",
      "..........",
      "....S.....",
      "..........",
      "..........",
  });
  Step();
  const TileGrid& glow = CurrentMap->glow;
  // Lit to 25 and 10, then decayed once in the same step.
  EXPECT_EQ(glow[5][3], 24);
  EXPECT_EQ(glow[3][3], 24);
  EXPECT_EQ(glow[4][4], 24);
  EXPECT_EQ(glow[4][2], 24);
  EXPECT_EQ(glow[5][4], 9);
  EXPECT_EQ(glow[3][2], 9);
  EXPECT_EQ(glow[4][3], 0);  // the ball's own cell
  EXPECT_EQ(glow[6][3], 0);  // two cells away
  EXPECT_EQ(glow[4][5], 0);

  // A cell lit once goes dark after 25 steps; a weaker light never lowers it.
  auto map = std::make_shared<mapType>();
  map->Glow(2, 2, 0);
  map->Glow(2, 2, 1);
  EXPECT_EQ(map->glow[2][2], 25);
  for (int i = 0; i < 24; ++i) map->DecayGlow();
  EXPECT_EQ(map->glow[2][2], 1);
  map->DecayGlow();
  map->DecayGlow();
  EXPECT_EQ(map->glow[2][2], 0);

  // In a corner only the cells of the board are lit.
  map->Glow(-1, 0, 0);
  map->Glow(20, 13, 1);
  EXPECT_EQ(map->glow, TileGrid{});
  CurrentMap = map;
  ballType ball;
  ball.cellX = 0, ball.cellY = 0;
  ball.LightNeighbours();
  EXPECT_EQ(map->glow[1][0], 25);
  EXPECT_EQ(map->glow[0][1], 25);
  EXPECT_EQ(map->glow[1][1], 10);
}

}  // namespace

namespace {

TEST_F(KeysLocksTeleportsTest, AnUnknownCodeThatAnswersAsAKeyTouchesNoLock) {
  Play({
      "#############",
      "#S.........E#",
      "#############",
  });
  for (int x = 3; x < 10; ++x) CurrentMap->tiles[x][1] = 5;  // not a key code, though its kind reads 5
  const auto before = CurrentMap->lockState;
  Move(requestRight);
  for (int x = 3; x < 10; ++x) CurrentMap->UseKey(x, 1);
  EXPECT_EQ(CurrentMap->lockState, before);
  keyStateType snapshot = keyStateType::FromMap(*CurrentMap);
  const int index = snapshot.Index();
  snapshot.Toggle(*CurrentMap, 5, 1);
  EXPECT_EQ(snapshot.Index(), index);
}

}  // namespace
