// What the game does with the level's reports: the flash, the spent presses,
// the progress and log of a skip, the ball's sound, and a page or the world
// map taking the ball out of the player's hands.

#include "app/game_level_fixture.h"
#include "menus/tutorial_page.h"

namespace {

class LevelReactionsTest : public GameLevelTest {};

TEST_F(LevelReactionsTest, RollingOffTheBoardRestartsWithAFlashAndLocksReset) {
  Play({
      "####################",
      "#...............b...",
      "#S..................",
      "####################",
  });
  Move(Up);  // one cell up, against the top wall
  ASSERT_EQ(Ball().cellY, 1);
  level.CurrentMap->lockTimer[1] = 5;
  Step(Right);
  // Over the key (closing lock colour 1) and on to the edge.
  int steps = 0;
  while (Ball().cellX < 19 || Ball().subX != 0) {
    Step();
    ++steps;
  }
  EXPECT_EQ(steps, 18 * 3);
  EXPECT_EQ(level.CurrentMap->lockState[1], 2);
  EXPECT_EQ(gameController->flash, nullptr);

  // Cell 19 is entered; the restart comes on the step its centre reaches cell 20.
  Steps(3);
  EXPECT_EQ(Ball().cellX, 20);
  Step();
  EXPECT_EQ(Ball().cellX, 1);
  EXPECT_EQ(Ball().cellY, 2);
  EXPECT_EQ(Ball().direction, 0);
  ASSERT_NE(gameController->flash, nullptr);
  EXPECT_EQ(gameController->flash->mode, 2);
  EXPECT_FLOAT_EQ(gameController->flash->speed, 0.06f);
  EXPECT_EQ(level.CurrentMap->lockState[1], 1);
  EXPECT_EQ(level.CurrentMap->lockTimer[1], 0);

  // The flash is gone after 17 updates.
  for (int i = 0; i < 16; ++i) gameController->flash->Update();
  EXPECT_EQ(gameController->flash->mode, 2);
  gameController->flash->Update();
  EXPECT_EQ(gameController->flash->mode, 0);
}

TEST_F(LevelReactionsTest, TheRestartRequestPutsTheBallBackAtOnce) {
  Play(Room);
  Step(Left);
  Steps(2);
  ASSERT_EQ(Ball().subX, -2);
  level.CurrentMap->lockState = {2, 0};
  Step(RestartRequest);
  EXPECT_EQ(Ball().cellX, 9);
  EXPECT_EQ(Ball().subX, 0);
  EXPECT_EQ(Ball().direction, 0);
  EXPECT_EQ(level.CurrentMap->lockState, (std::array<int, 2>{0, 1}));
  EXPECT_NE(gameController->flash, nullptr);
  EXPECT_EQ(input.requestRestart, 0);  // the restart clears the requests
}

TEST_F(LevelReactionsTest, TheExitIsReachedOnlyAtItsCentre) {
  Play({
      "####################",
      "#S.....E...........#",
      "####################",
  });
  Step(Right);
  Steps(18);  // six cells: the ball is now on the exit's centre
  EXPECT_EQ(Ball().cellX, 7);
  EXPECT_EQ(level.NextMap, nullptr);
  Step();
  EXPECT_EQ(Ball().cellX, 7);
  EXPECT_EQ(Ball().subX, 0);
  ASSERT_NE(level.NextMap, nullptr);
  EXPECT_EQ(level.LevelStart->IsPending(), 1);

  // While the board scrolls the ball does not move, whatever is asked.
  for (int i = 0; i < 3; ++i) {
    level.StepMap(PlayRequests{.left = true}, 1);
    EXPECT_EQ(Ball().cellX, 7);
    EXPECT_EQ(Ball().subX, 0);
  }
}

TEST_F(LevelReactionsTest, SkipFinishesTheLevelExceptTheLast) {
  Play(Room, 80);
  level.ClearParticles();
  Step(SkipRequest);
  EXPECT_EQ(level.NextMap, nullptr);
  EXPECT_EQ(level.LevelStart->IsPending(), 0);


  Play(Room, 12);
  gameLog->LevelBegin(12);
  level.ClearParticles();
  Step(SkipRequest);
  ASSERT_NE(level.NextMap, nullptr);
  EXPECT_EQ(level.NextMap->number, 13);
  EXPECT_EQ(progress->LevelState(12), Progress::Skipped);
  EXPECT_EQ(gameLog->levelInProgress, GameLog::NoLevel);
  EXPECT_EQ(gameLog->levelRecordCount, 1);
  EXPECT_EQ(input.requestSkip, 0);
}

// Whatever covers the board, a hint page fading in or shown or the world map,
// takes the ball out of the player's hands: no move, restart or skip is taken.
TEST_F(LevelReactionsTest, NothingIsTakenFromThePlayerWhileAPageOrTheWorldMapCoversTheBoard) {
  Play(Room, 12);
  gameLog->LevelBegin(12);
  auto untouched = [this](const char* cover) {
    for (Request request : {Right, Up, RestartRequest, SkipRequest}) {
      Steps(3, request);
      EXPECT_EQ(Ball().cellX, 9) << cover;
      EXPECT_EQ(Ball().cellY, 3) << cover;
      EXPECT_TRUE(Resting()) << cover;
      EXPECT_EQ(level.NextMap, nullptr) << cover;
      EXPECT_EQ(gameController->flash, nullptr) << cover;
    }
  };
  gameController->popup = TutorialPage::Create(*gameController, 0);
  gameController->popup->Show();
  untouched("a page fading in");
  gameController->popup->fade = MenuScreen::FullFade;
  gameController->popup->state = MenuScreen::Shown;
  untouched("a page shown");
  // Closed, the page fades out and is let go, pictures and all.
  const std::weak_ptr<MenuScreen> page = gameController->popup;
  gameController->popup->Close();
  Steps(MenuScreen::FullFade + 1);
  EXPECT_EQ(gameController->popup, nullptr);
  EXPECT_TRUE(page.expired());
  worldMap->Show();
  untouched("the world map");
  worldMap->Hide();

  Step(Right);
  EXPECT_EQ(Ball().direction, 2);
}

TEST_F(LevelReactionsTest, RollingSwellsTheBallSoundAndRestingLetsItSink) {
  Play(Room);
  soundManager->StartBallSound();
  EXPECT_FLOAT_EQ(soundManager->ballVolume, 0.5f);
  Step(Right);
  Steps(6);
  EXPECT_NEAR(soundManager->ballVolume, 0.5f + 6 * 4 * 0.025f, 1e-5);
  Steps(10);
  EXPECT_FLOAT_EQ(soundManager->ballVolume, 1.5f);
  Step(Left);  // not read while rolling
  while (!Resting()) Step();
  Steps(200);
  EXPECT_FLOAT_EQ(soundManager->ballVolume, 0.5f);
}

TEST_F(LevelReactionsTest, AHintPageOpensTheFirstTimeALevelIsEntered) {
  OpenHintPage(*gameController, 0);
  ASSERT_NE(gameController->popup, nullptr);
  EXPECT_NE(dynamic_cast<TutorialPage*>(gameController->popup.get()), nullptr);
  EXPECT_EQ(gameController->popup->state, 2);  // fading in
  EXPECT_EQ(gameController->activeScreen, 1);
  EXPECT_EQ(progress->tutorialSeen[0], 1);
  EXPECT_TRUE(Logged("hint shown"));

  OpenHintPage(*gameController, 1);
  EXPECT_EQ(gameController->popup, nullptr);
  OpenHintPage(*gameController, 0);
  EXPECT_EQ(gameController->popup, nullptr);

  // Level 80's page, but not while editing.
  EditorMode = 1;
  OpenHintPage(*gameController, 80);
  EXPECT_EQ(gameController->popup, nullptr);
  EXPECT_EQ(progress->tutorialSeen[6], 0);
  EditorMode = 0;
  OpenHintPage(*gameController, 80);
  EXPECT_NE(gameController->popup, nullptr);
  EXPECT_EQ(progress->tutorialSeen[6], 1);

  // Numbers beyond the hint table have no page.
  OpenHintPage(*gameController, 300);
  EXPECT_EQ(gameController->popup, nullptr);
  OpenHintPage(*gameController, -4);
  EXPECT_EQ(gameController->popup, nullptr);
}

TEST_F(LevelReactionsTest, TheCellUnderThePointerTruncatesTowardZero) {
  const std::pair<int, int> cases[] = {{33, 0}, {64, 0}, {95, 0}, {1, -1}, {32, -1}, {96, 1}, {127, 1}, {0, -2}};
  for (auto [pixel, cell] : cases) {
    input.pointerX = pixel;
    input.pointerY = pixel;
    EXPECT_EQ(input.PointerCellX(), cell) << pixel;
    EXPECT_EQ(input.PointerCellY(), cell) << pixel;
  }
}

}  // namespace
