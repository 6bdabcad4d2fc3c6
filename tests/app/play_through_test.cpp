// Three chained levels played from their files as the player would: each
// exit leads to the next level's start, one hand-over after another.

#include "app/game_level_fixture.h"

namespace {

const Picture Level0 = {
    "####################",
    "####################",
    "####################",
    "####################",
    "####################",
    "####################",
    "#S.................E",
    "####################",
};

// Lies 19 cells to the right of level 0: its start is level 0's exit.
const Picture Level1 = {
    "####################",
    "####################",
    "####################",
    "####################",
    "####################",
    "####################",
    "S...a....#..........",
    "########.###########",
    "########.###########",
    "########.###########",
    "########A###########",
    "########.###########",
    "########.###########",
    "########E###########",
};

// Lies 13 cells below level 1: its start is level 1's exit.
const Picture Level2 = {
    "########S###########",
    "########.######.####",
    "########.######1####",
    "########.######.####",
    "########0######.####",
    "###############.####",
    "###############.####",
    "###############E####",
    "####################",
};

class PlayThroughTest : public GameLevelTest {
 protected:
  // A move that ends on the exit: the next map appears as the ball stops there.
  void RollToExit(Request request) {
    Step(request);
    for (int i = 0; i < 200 && !level.NextMap; ++i) Step();
    ASSERT_NE(level.NextMap, nullptr);
    EXPECT_EQ(Ball().cellX, level.CurrentMap->exitX);
    EXPECT_EQ(Ball().cellY, level.CurrentMap->exitY);
    EXPECT_EQ(Ball().subX + Ball().subY, 0);
  }

  // Steps until the transition has handed over to the next level.
  void WaitForHandOver(int from) {
    for (int i = 0; i < 200 && level.CurrentMap->number == from; ++i) Step();
    ASSERT_EQ(level.CurrentMap->number, from + 1);
    EXPECT_EQ(level.NextMap, nullptr);
    EXPECT_EQ(level.CurrentMap->OffsetX(), 0);
    EXPECT_EQ(level.CurrentMap->OffsetY(), 0);
    EXPECT_EQ(Ball().cellX, level.CurrentMap->startX);
    EXPECT_EQ(Ball().cellY, level.CurrentMap->startY);
    EXPECT_TRUE(Resting());
  }
};

TEST_F(PlayThroughTest, ThreeLevelsOneAfterAnother) {
  WriteLevel(0, Level0);
  WriteLevel(1, Level1, 19, 0);
  WriteLevel(2, Level2, 0, 13);
  StartAt(0);

  // Level 0's hint page holds the ball until the player closes it.
  ASSERT_NE(gameController->popup, nullptr);
  Steps(5, Right);
  EXPECT_EQ(Ball().cellX, 1);
  gameController->popup->Hide();

  RollToExit(Right);
  EXPECT_EQ(level.CurrentMap->exitX, 19);
  WaitForHandOver(0);
  EXPECT_EQ(level.CurrentMap->startX, 0);
  EXPECT_EQ(level.CurrentMap->startY, 6);
  EXPECT_EQ(level.ScrollTotalX, 63 - 19 * 32);
  EXPECT_EQ(gameController->popup, nullptr);

  // Level 1: the key on the way opens the lock on the way down.
  Move(Right);
  EXPECT_EQ(Ball().cellX, 8);
  EXPECT_EQ(level.CurrentMap->lockState[0], 2);
  RollToExit(Down);
  EXPECT_EQ(Ball().cellY, 13);
  WaitForHandOver(1);
  EXPECT_EQ(level.ScrollTotalY, 63 - 13 * 32);

  // Level 2: down into a teleport, and on down from its partner to the exit.
  RollToExit(Down);
  EXPECT_EQ(Ball().cellX, 15);
  WaitForHandOver(2);

  // Level 3 has no file: an empty board without an exit.
  EXPECT_EQ(level.CurrentMap->exitX, -1);
  EXPECT_EQ(level.CurrentMap->tiles, TileGrid{});

  const auto save = folder.Bytes("save0.dat");
  ASSERT_EQ(save.size(), 510u);
  EXPECT_EQ(std::vector<uint8_t>(save.begin(), save.begin() + 5), (std::vector<uint8_t>{1, 1, 1, 3, 0}));
  EXPECT_EQ(save[500], 1);  // level 0's hint page was seen
  EXPECT_EQ(inGameButtons->tokenColumn->tokenState, (std::array<int, 5>{1, 1, 1, 0, 0}));
  EXPECT_EQ(gameLog->levelRecordCount, 3);
  EXPECT_EQ(gameLog->levelInProgress, 3);
}

}  // namespace
