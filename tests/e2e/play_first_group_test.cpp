// The first group of shipped levels played through the real level loop with
// the solver's moves as arrow keys, across every hand-over.

#include <cstdlib>

#include "menus/world_map.h"
#include "e2e/game_session.h"
#include "services/progress.h"
#include "services/resources.h"

TEST_F(GameSession, TheFirstFiveLevelsPlayThroughEveryHandOver) {
  // Hint pages already seen, so nothing covers the board.
  {
    auto seen = Progress::Create(0);
    seen->tutorialSeen.fill(1);
    seen->SaveProgress();
  }
  gameController = StartUp();
  ASSERT_TRUE(gameController);
  gameController->runMode = 0;

  SolutionPlayer player(gameController);
  std::vector<int> levelsEntered;
  int passes = 0;
  const char* shots = std::getenv("MARROWICK_SCREENSHOT_DIR");
  fake.onSleep = [&] {
    ++passes;
    player.Pass();
    if (player.Level() >= 0 && (levelsEntered.empty() || levelsEntered.back() != player.Level())) {
      levelsEntered.push_back(player.Level());
      // The map scrolled in must rest exactly where the last one left the ball.
      EXPECT_EQ(gameController->level.CurrentMap->offsetX, 0);
      EXPECT_EQ(gameController->level.CurrentMap->offsetY, 0);
      EXPECT_EQ(gameController->level.CurrentMap->ball->cellX, gameController->level.CurrentMap->startX);
      EXPECT_EQ(gameController->level.CurrentMap->ball->cellY, gameController->level.CurrentMap->startY);
    }
    if (shots && player.Level() >= 0) {
      static int shotsTaken = 0;
      if (passes % 90 == 0 && shotsTaken < 12) {
        Resources::SaveScreenshot(std::string(shots) + "/play-" + std::to_string(shotsTaken++) + ".png");
      }
    }
    const bool groupDone = gameController->progress->LevelState(4) != Progress::Open && gameController->progress->LevelState(4) != 0;
    if (groupDone || passes > 20000) PushQuit();
  };
  gameController->Start();

  EXPECT_EQ(levelsEntered, (std::vector<int>{0, 1, 2, 3, 4}));
  for (int level = 0; level < 5; ++level) EXPECT_EQ(gameController->progress->LevelState(level), Progress::Solved) << level;
  EXPECT_NE(gameController->screens.worldMap->state, 0);  // the fifth level of a group opens the world map
  EXPECT_EQ(folder.Bytes("save0.dat").size(), 510u);
  EXPECT_EQ(folder.Bytes("options.dat").size(), 12u);
}
