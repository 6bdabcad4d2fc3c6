#include "menus/closing_page.h"
#include "services/resources.h"
#include "app/game_level_fixture.h"
#include "app/in_game_buttons.h"
#include "app/token_column.h"

namespace {

class FinishTest : public GameLevelTest {
 protected:
  const Picture Corridor = {
      "####################",
      "#S.......E.........#",
      "####################",
  };
  TokenColumn& Tokens() const { return *inGameButtons->tokenColumn; }
};

TEST_F(FinishTest, SolvingRecordsTheResultAndMakesTheNextMap) {
  WriteLevel(7, Corridor);
  WriteLevel(8, Corridor, 3, -2);
  StartAt(7);
  FinishLevel(*gameController, true);

  EXPECT_EQ(Tokens().tokenState[2], 1);
  EXPECT_EQ(progress->LevelState(7), Progress::Solved);
  EXPECT_EQ(progress->currentLevel, 8);
  EXPECT_EQ(folder.Bytes("save0.dat")[7], 1);  // saved at once
  EXPECT_EQ(folder.Bytes("save0.dat")[8], 3);

  ASSERT_NE(level.NextMap, nullptr);
  EXPECT_EQ(level.NextMap->number, 8);
  EXPECT_EQ(level.NextMap->OffsetX(), 96);
  EXPECT_EQ(level.NextMap->OffsetY(), -64);
  EXPECT_EQ(level.LevelStart->IsPending(), 1);
  EXPECT_EQ(level.LevelStart->targetX, -96);
  EXPECT_EQ(level.LevelStart->targetY, 64);
  EXPECT_EQ(level.LevelStart->groupPosition, 2);
  EXPECT_EQ(level.LevelStart->groupDone, 0);
  EXPECT_EQ(worldMap->state, 0);
  // The new token waits before it fades in.
  EXPECT_EQ(Tokens().revealSlot, 2);
  EXPECT_EQ(Tokens().tokenAlpha[2], 0.0f);
  EXPECT_EQ(Tokens().revealTimer, 300);
}

TEST_F(FinishTest, AResultIsRecordedOnlyWhenItAddsSomething) {
  struct Case {
    int before;  // the level's state in the progress save
    int solved;
    int after;
    int token;
  };
  const Case cases[] = {
      {Progress::Open, 1, Progress::Solved, 1},    {Progress::Open, 0, Progress::Skipped, 2},
      {Progress::Skipped, 1, Progress::Solved, 1}, {Progress::Skipped, 0, Progress::Skipped, 2},
      {Progress::Solved, 1, Progress::Solved, 1},  {Progress::Solved, 0, Progress::Solved, 1},
      {Progress::Locked, 0, Progress::Skipped, 2},
  };
  WriteLevel(11, Corridor);
  for (const Case& c : cases) {
    progress->ResetProgress();
    StartAt(11);
    progress->levelStates[11] = c.before;
    FinishLevel(*gameController, c.solved != 0);
    EXPECT_EQ(progress->LevelState(11), c.after) << c.before << " " << c.solved;
    EXPECT_EQ(Tokens().tokenState[1], c.token) << c.before << " " << c.solved;
    // Either way the next level is open and current.
    EXPECT_EQ(progress->currentLevel, 12);
    EXPECT_EQ(progress->LevelState(12), Progress::Open);
  }
}

TEST_F(FinishTest, TheLastLevelEndsTheJourneyMapThenClosingPageThenMainMenu) {
  for (int level = 0; level < levels::Last; ++level) progress->MarkLevelFinished(level, level == 7 || level == 12 ? 0 : 1);
  WriteLevel(80, Corridor);
  StartAt(80);
  gameController->popup = nullptr;
  gameController->runMode = 0;
  gameController->PlayStep();
  // A group of one level, which cannot be skipped.
  EXPECT_TRUE(inGameButtons->tokenColumn->GroupOfOne());
  EXPECT_FALSE(inGameButtons->skipAvailable);
  Move(Right);  // onto the exit

  // No level after the last: the current level stays 80, and 81 stays shut.
  EXPECT_EQ(level.NextMap, nullptr);
  EXPECT_EQ(level.CurrentMap->number, 80);
  EXPECT_EQ(progress->LevelState(80), Progress::Solved);
  EXPECT_EQ(progress->currentLevel, 80);
  EXPECT_EQ(progress->LevelState(81), Progress::Locked);
  EXPECT_EQ(folder.Bytes("save0.dat")[80], 1);
  EXPECT_EQ(folder.Bytes("save0.dat")[81], 0);

  // The world map with the whole road; the ball rests and nothing finishes again.
  EXPECT_TRUE(worldMap->state == MenuScreen::FadingIn || worldMap->state == MenuScreen::Shown);
  EXPECT_GE(worldMap->TargetLength(), worldMap->PathLength());
  for (int i = 0; i < 300; ++i) gameController->PlayStep();
  EXPECT_EQ(worldMap->state, MenuScreen::Shown);
  EXPECT_EQ(Ball().cellX, 9);
  EXPECT_EQ(level.NextMap, nullptr);
  EXPECT_EQ(gameLog->levelInProgress, GameLog::NoLevel);

  // Dismissed, it gives way to the closing page with the counts.
  worldMap->Close();
  for (int i = 0; i < 100 && worldMap->state != MenuScreen::Hidden; ++i) gameController->PlayStep();
  gameController->PlayStep();
  auto page = std::dynamic_pointer_cast<ClosingPage>(gameController->popup);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->solvedCount, 79);
  EXPECT_EQ(page->skippedCount, 2);
  EXPECT_EQ(gameController->runMode, 0);

  // Dismissed, the main menu follows with the first level not solved behind it.
  for (int i = 0; i < MenuScreen::FullFade; ++i) gameController->PlayStep();
  page->Close();
  for (int i = 0; i < 100 && gameController->runMode == 0; ++i) gameController->PlayStep();
  EXPECT_EQ(gameController->runMode, 1);
  EXPECT_EQ(level.CurrentMap->number, 7);
  EXPECT_EQ(progress->currentLevel, 7);
  EXPECT_EQ(progress->LevelState(80), Progress::Solved);
}

TEST_F(FinishTest, AfterTheJourneyWithEveryLevelSolvedPlayReturnsToTheLast) {
  EXPECT_EQ(progress->FirstUnsolvedLevel(levels::Last), 0);
  for (int level = 0; level < levels::Last; ++level) progress->MarkLevelFinished(level, 1);
  progress->RecordResult(levels::Last, 1);
  EXPECT_EQ(progress->FirstUnsolvedLevel(levels::Last), levels::Last);
  EXPECT_EQ(progress->CountLevels(Progress::Solved, levels::Last), 81);
  EXPECT_EQ(progress->CountLevels(Progress::Skipped, levels::Last), 0);
  EXPECT_EQ(progress->currentLevel, levels::Last);
}

TEST_F(FinishTest, StartingALevelDuringTheEndingAbandonsIt) {
  WriteLevel(80, Corridor);
  StartAt(80);
  gameController->popup = nullptr;
  gameController->runMode = 0;
  Move(Right);
  ASSERT_NE(worldMap->state, MenuScreen::Hidden);
  gameController->StartLevel(0);  // the progress was reset from the menus
  for (int i = 0; i < 200; ++i) gameController->PlayStep();
  EXPECT_EQ(std::dynamic_pointer_cast<ClosingPage>(gameController->popup), nullptr);
  EXPECT_EQ(gameController->runMode, 0);
  EXPECT_EQ(level.CurrentMap->number, 0);
}

// The next level's origin can only lie on the board; a damaged file saying
// otherwise would overflow the scroll (2^26 cells) or scroll for hours (100000).
TEST_F(FinishTest, AShiftOffTheBoardIsReadAsNoShiftAndTheHandOverEnds) {
  struct Case {
    int shiftX, shiftY, readX, readY;
  };
  const Case cases[] = {
      {1 << 26, 0, 0, 0}, {0, -(1 << 26), 0, 0}, {100000, -100000, 0, 0}, {20, 14, 0, 0}, {-20, 3, 0, 3},
  };
  WriteLevel(7, Corridor);
  for (auto [shiftX, shiftY, readX, readY] : cases) {
    WriteLevel(8, Corridor, shiftX, shiftY);
    StartAt(7);
    log.clear();
    FinishLevel(*gameController, true);
    ASSERT_NE(level.NextMap, nullptr);
    EXPECT_EQ(level.NextMap->shiftX, readX);
    EXPECT_EQ(level.NextMap->shiftY, readY);
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const std::string& line) {
      return line.find("lies off the board; read as 0") != std::string::npos;
    })) << shiftX << " " << shiftY;
    int steps = 0;
    while (level.NextMap != nullptr && steps < 200) {
      level.LevelStart->Update(level);
      ++steps;
    }
    EXPECT_EQ(level.NextMap, nullptr) << shiftX << " " << shiftY;
    EXPECT_EQ(level.CurrentMap->number, 8);
  }
  // The largest shifts on the board still scroll as the file says.
  WriteLevel(8, Corridor, 19, -13);
  StartAt(7);
  FinishLevel(*gameController, true);
  EXPECT_EQ(level.NextMap->shiftX, 19);
  EXPECT_EQ(level.NextMap->shiftY, -13);
}

TEST_F(FinishTest, TheTransitionScrollsBothMapsUntilTheNextStartLiesOnTheOldExit) {
  WriteLevel(7, Corridor);  // exit at (9, 1)
  WriteLevel(8, {"", "", "", "", ".S.................."}, 8, -3);  // start at (1, 4)
  StartAt(7);
  backgroundIndex = 0;
  level.ClearParticles();
  Emit(1, 32, 32, 1.0f, 0, 0, level.Particles());  // a teleport swirl, placed with the map's offset
  FinishLevel(*gameController, true);
  const auto oldMap = level.CurrentMap;
  const auto newMap = level.NextMap;
  const auto* swirl = static_cast<particleType*>(level.ParticleChain->next.get());
  ASSERT_EQ(swirl->fade, 0);

  // On the screen the new start lies on the old exit all along.
  auto expectStartOnExit = [&] {
    EXPECT_EQ(oldMap->OffsetX() + 32 * 9, newMap->OffsetX() + 32 * 1);
    EXPECT_EQ(oldMap->OffsetY() + 32 * 1, newMap->OffsetY() + 32 * 4);
  };
  expectStartOnExit();

  int steps = 0;
  while (level.CurrentMap == oldMap) {
    const int beforeX = oldMap->OffsetX(), beforeY = oldMap->OffsetY();
    level.LevelStart->Update(level);
    ++steps;
    if (level.CurrentMap != oldMap) break;
    const int dx = oldMap->OffsetX() - beforeX, dy = oldMap->OffsetY() - beforeY;
    EXPECT_LE(std::abs(dx), 8);
    EXPECT_LE(std::abs(dy), 8);
    expectStartOnExit();
    ASSERT_LT(steps, 100);
  }
  EXPECT_EQ(steps, 256 / 8 + 1);  // the hand-over takes a step of its own
  EXPECT_EQ(oldMap->OffsetX(), -256);
  EXPECT_EQ(oldMap->OffsetY(), 96);
  EXPECT_EQ(level.ScrollTotalX, 63 - 256);
  EXPECT_EQ(level.ScrollTotalY, 63 + 96);
  EXPECT_EQ(swirl->offsetX, -256.0f);
  EXPECT_EQ(swirl->offsetY, 96.0f);
  EXPECT_GE(swirl->fade, 40);  // swirls of the old map die away after a scroll
  EXPECT_LE(swirl->fade, 100);

  // The new map is current, at rest at offset 0, its ball on the start.
  EXPECT_EQ(level.CurrentMap, newMap);
  EXPECT_EQ(level.NextMap, nullptr);
  EXPECT_EQ(level.CurrentMap->OffsetX(), 0);
  EXPECT_EQ(level.CurrentMap->OffsetY(), 0);
  ASSERT_NE(level.CurrentMap->ball, nullptr);
  EXPECT_EQ(Ball().cellX, 1);
  EXPECT_EQ(Ball().cellY, 4);
  EXPECT_EQ(level.LevelStart->IsPending(), 0);
  EXPECT_EQ(level.LevelStart->targetX, 0);
  EXPECT_EQ(gameLog->levelInProgress, 8);
  EXPECT_EQ(backgroundIndex, 1);
  EXPECT_TRUE(Logged("start level"));

  // At rest nothing moves any more.
  level.LevelStart->Update(level);
  EXPECT_EQ(level.CurrentMap->OffsetX(), 0);
  EXPECT_EQ(level.ScrollTotalX, 63 - 256);
}

TEST_F(FinishTest, ScrollStepsAreAtMostEightPixels) {
  level.CurrentMap = std::make_shared<mapType>();
  level.LevelStart = levelStartType::Create(5, -20, 0);
  level.LevelStart->Update(level);
  EXPECT_EQ(level.CurrentMap->OffsetX(), 5);
  EXPECT_EQ(level.CurrentMap->OffsetY(), -8);
  level.LevelStart->Update(level);
  level.LevelStart->Update(level);
  EXPECT_EQ(level.CurrentMap->OffsetY(), -20);
  level.LevelStart->Update(level);
  EXPECT_EQ(level.CurrentMap->OffsetY(), -20);
}

TEST_F(FinishTest, TheFifthLevelOfAGroupOpensTheWorldMap) {
  WriteLevel(9, Corridor);
  WriteLevel(10, Corridor, 8, 0);
  StartAt(9);
  gameController->popup = nullptr;  // the player has closed level 9's hint page
  Step(Right);
  for (int i = 0; i < 100 && !level.NextMap; ++i) Step();
  ASSERT_NE(level.NextMap, nullptr);
  EXPECT_EQ(level.LevelStart->groupDone, 1);
  EXPECT_EQ(worldMap->state, 2);
  EXPECT_EQ(gameController->activeScreen, 9);

  // The level keeps running, paused and out of the player's hands.
  Steps(40, Left);
  EXPECT_EQ(level.CurrentMap->number, 10);
  EXPECT_EQ(Ball().cellX, 1);
  EXPECT_EQ(Ball().direction, 0);
  EXPECT_EQ(backgroundIndex, 1);  // not yet group 2's art style

  // Dismissed, the map lets the new group take up its art at once; the ball is
  // the player's again once the map has faded out.
  ASSERT_EQ(worldMap->state, MenuScreen::Shown);
  worldMap->Close();
  EXPECT_EQ(backgroundIndex, 2);
  EXPECT_EQ(Tokens().tokenState, (std::array<int, 5>{0, 0, 0, 0, 0}));  // a new group
  Steps(59, Right);
  EXPECT_EQ(Ball().direction, 0);
  Step();
  EXPECT_EQ(worldMap->state, MenuScreen::Hidden);
  Step(Right);
  EXPECT_EQ(Ball().direction, 2);
}

// However soon the player dismisses the map, the level the board scrolls to
// plays in its own group's art: dismissed while fading in, the map has gone
// before the scroll ends; dismissed once shown, it is still fading out then.
TEST_F(FinishTest, AWorldMapDismissedBeforeTheScrollEndsStillGivesTheNewGroupItsArt) {
  WriteLevel(9, Corridor);
  WriteLevel(10, Corridor, 15, 0);  // sixty steps of scrolling
  for (const int dismissedAt : {MenuScreen::FadingIn, MenuScreen::Shown}) {
    StartAt(9);
    gameController->popup = nullptr;
    Step(Right);
    for (int i = 0; i < 100 && !level.NextMap; ++i) Step();
    ASSERT_NE(level.NextMap, nullptr);
    while (worldMap->state != dismissedAt) Step();
    worldMap->Close();
    EXPECT_EQ(backgroundIndex, 1) << "the old level is still on the board";
    for (int i = 0; i < 200 && level.CurrentMap->number != 10; ++i) Step();
    ASSERT_EQ(level.CurrentMap->number, 10);
    EXPECT_EQ(backgroundIndex, 2) << "dismissed while " << (dismissedAt == MenuScreen::Shown ? "shown" : "fading in");
    Steps(60);
    ASSERT_EQ(worldMap->state, MenuScreen::Hidden);
  }
}

TEST_F(FinishTest, SolvingEmitsABurstThatFliesToTheLevelsToken) {
  WriteLevel(7, Corridor);
  StartAt(7);
  level.ClearParticles();
  Move(Right);
  int bursts = 0;
  for (auto* node = level.ParticleChain->next.get(); node; node = node->next.get()) {
    const auto* p = static_cast<const particleType*>(node);
    if (p->attract != 2) continue;
    ++bursts;
    EXPECT_NEAR(p->z, 210.0f, 1.0f);  // made at 210, then one step at a speed of 0.1
    EXPECT_FLOAT_EQ(p->targetX, 680.0f * 200 / 800 - 100);
    EXPECT_FLOAT_EQ(p->targetY, (64.0f * 2 + 40) * 200 / 600 - 100);
  }
  EXPECT_EQ(bursts, 30);
}

}  // namespace
