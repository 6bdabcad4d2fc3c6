#include "menus/tutorial_page.h"
#include "puzzle_fixture.h"

namespace {

class MoveRulesTest : public PuzzleTest {
 protected:
  // Sparks of a finished level's burst: the only particles that home on a target.
  static int Bursts() {
    int bursts = 0;
    for (auto* node = ParticleChain->next.get(); node; node = node->next.get()) {
      bursts += static_cast<const particleType*>(node)->attract == 2 ? 1 : 0;
    }
    return bursts;
  }
};

const Picture Room = {
    "####################",
    "#..................#",
    "#..................#",
    "#........S.........#",
    "#..................#",
    "#..................#",
    "####################",
};

TEST_F(MoveRulesTest, TheBallCrossesACellEveryThreeStepsInSubSteps) {
  Play(Room);
  ASSERT_TRUE(Resting());
  Step(&requestRight);  // resting: the request becomes the direction
  EXPECT_EQ(Ball().direction, 2);
  EXPECT_EQ(Ball().PixelX(), 9 * 32);

  const int expected[] = {9 * 32 + 10, 9 * 32 + 21, 10 * 32, 10 * 32 + 10, 10 * 32 + 21, 11 * 32};
  for (int pixel : expected) {
    Step();
    EXPECT_EQ(Ball().PixelX(), pixel);
    EXPECT_EQ(Ball().PixelY(), 3 * 32);
  }
  EXPECT_EQ(Ball().cellX, 11);
  EXPECT_EQ(Ball().subX, 0);

  // Left and up go through negative sub-steps: -10 and -21 pixels.
  Play(Room);
  Step(&requestUp);
  Step();
  EXPECT_EQ(Ball().subY, -1);
  EXPECT_EQ(Ball().PixelY(), 3 * 32 - 10);
  Step();
  EXPECT_EQ(Ball().PixelY(), 3 * 32 - 21);
  Step();
  EXPECT_EQ(Ball().cellY, 2);
  EXPECT_EQ(Ball().subY, 0);
}

TEST_F(MoveRulesTest, AMoveRunsUntilBlockedAndANewDirectionWaitsAStep) {
  Play(Room);
  Step(&requestRight);
  // The ball ignores other requests while rolling.
  for (int i = 0; i < 27; ++i) Step(&requestDown);
  EXPECT_EQ(Ball().cellX, 18);
  EXPECT_EQ(Ball().cellY, 3);
  EXPECT_EQ(Ball().direction, 2);

  // On the centre before the wall: one step to stop, with a held request taken at once.
  Step(&requestDown);
  EXPECT_EQ(Ball().cellX, 18);
  EXPECT_EQ(Ball().subX, 0);
  EXPECT_EQ(Ball().direction, 3);
  Step();
  EXPECT_EQ(Ball().subY, 1);
}

TEST_F(MoveRulesTest, ABoxedInBallStaysPut) {
  Play({
      "###",
      "#S#",
      "###",
  });
  for (int* request : {&requestUp, &requestDown, &requestLeft, &requestRight}) {
    Step(request);
    Step();
    EXPECT_EQ(Ball().cellX, 1);
    EXPECT_EQ(Ball().cellY, 1);
    EXPECT_EQ(Ball().subX + Ball().subY, 0);
    EXPECT_EQ(Ball().direction, 0);
  }
}

TEST_F(MoveRulesTest, RequestsAreReadUpLeftRightDown) {
  struct Case {
    std::vector<int*> held;
    int direction;
  };
  const Case cases[] = {
      {{&requestUp, &requestRight}, 1},
      {{&requestLeft, &requestDown}, 4},
      {{&requestRight, &requestDown}, 2},
      {{&requestDown, &requestUp, &requestLeft, &requestRight}, 1},
  };
  for (const Case& c : cases) {
    Play(Room);
    InputState::ClearRequests();
    for (int* flag : c.held) *flag = 1;
    LevelStart->Update();
    CurrentMap->Update(1, 0);
    EXPECT_EQ(Ball().direction, c.direction);
  }

  // Without player control the requests are not read.
  Play(Room);
  requestUp = 1;
  CurrentMap->Update(0, 0);
  EXPECT_EQ(Ball().direction, 0);
}

TEST_F(MoveRulesTest, RollingOffTheBoardRestartsWithAFlashAndLocksReset) {
  Play({
      "####################",
      "#...............b...",
      "#S..................",
      "####################",
  });
  Move(requestUp);  // one cell up, against the top wall
  ASSERT_EQ(Ball().cellY, 1);
  CurrentMap->lockTimer[1] = 5;
  Step(&requestRight);
  // Over the key (closing lock colour 1) and on to the edge.
  int steps = 0;
  while (Ball().cellX < 19 || Ball().subX != 0) {
    Step();
    ++steps;
  }
  EXPECT_EQ(steps, 18 * 3);
  EXPECT_EQ(CurrentMap->lockState[1], 2);
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
  EXPECT_EQ(CurrentMap->lockState[1], 1);
  EXPECT_EQ(CurrentMap->lockTimer[1], 0);

  // The flash is gone after 17 updates.
  for (int i = 0; i < 16; ++i) gameController->flash->Update();
  EXPECT_EQ(gameController->flash->mode, 2);
  gameController->flash->Update();
  EXPECT_EQ(gameController->flash->mode, 0);
}

TEST_F(MoveRulesTest, TheRestartRequestPutsTheBallBackAtOnce) {
  Play(Room);
  Step(&requestLeft);
  Steps(2);
  ASSERT_EQ(Ball().subX, -2);
  CurrentMap->lockState = {2, 0};
  Step(&requestRestart);
  EXPECT_EQ(Ball().cellX, 9);
  EXPECT_EQ(Ball().subX, 0);
  EXPECT_EQ(Ball().direction, 0);
  EXPECT_EQ(CurrentMap->lockState, (std::array<int, 2>{0, 1}));
  EXPECT_NE(gameController->flash, nullptr);
  EXPECT_EQ(requestRestart, 0);  // the restart clears the requests
}

TEST_F(MoveRulesTest, TheExitIsReachedOnlyAtItsCentre) {
  Play({
      "####################",
      "#S.....E...........#",
      "####################",
  });
  Step(&requestRight);
  Steps(18);  // six cells: the ball is now on the exit's centre
  EXPECT_EQ(Ball().cellX, 7);
  EXPECT_EQ(NextMap, nullptr);
  Step();
  EXPECT_EQ(Ball().cellX, 7);
  EXPECT_EQ(Ball().subX, 0);
  ASSERT_NE(NextMap, nullptr);
  EXPECT_EQ(LevelStart->IsPending(), 1);

  // While the board scrolls the ball does not move, whatever is asked.
  for (int i = 0; i < 3; ++i) {
    InputState::ClearRequests();
    requestLeft = 1;
    CurrentMap->Update(1, 0);
    EXPECT_EQ(Ball().cellX, 7);
    EXPECT_EQ(Ball().subX, 0);
  }
}

TEST_F(MoveRulesTest, SkipFinishesTheLevelExceptTheLast) {
  Play(Room, 80);
  ClearParticles();
  Step(&requestSkip);
  EXPECT_EQ(NextMap, nullptr);
  EXPECT_EQ(LevelStart->IsPending(), 0);

  EXPECT_EQ(Bursts(), 0);

  Play(Room, 12);
  gameLog->LevelBegin(12);
  ClearParticles();
  Step(&requestSkip);
  EXPECT_EQ(Bursts(), 5) << "a skip sends five sparks to the token, a solve thirty";
  ASSERT_NE(NextMap, nullptr);
  EXPECT_EQ(NextMap->number, 13);
  EXPECT_EQ(progress->LevelState(12), Progress::Skipped);
  EXPECT_EQ(gameLog->levelInProgress, GameLog::NoLevel);
  EXPECT_EQ(gameLog->levelRecordCount, 1);
  EXPECT_EQ(requestSkip, 0);
}

// Whatever covers the board, a hint page fading in or shown or the world map,
// takes the ball out of the player's hands: no move, restart or skip is taken.
TEST_F(MoveRulesTest, NothingIsTakenFromThePlayerWhileAPageOrTheWorldMapCoversTheBoard) {
  Play(Room, 12);
  gameLog->LevelBegin(12);
  auto untouched = [this](const char* cover) {
    for (int* request : {&requestRight, &requestUp, &requestRestart, &requestSkip}) {
      Steps(3, request);
      EXPECT_EQ(Ball().cellX, 9) << cover;
      EXPECT_EQ(Ball().cellY, 3) << cover;
      EXPECT_TRUE(Resting()) << cover;
      EXPECT_EQ(NextMap, nullptr) << cover;
      EXPECT_EQ(gameController->flash, nullptr) << cover;
    }
  };
  gameController->popup = TutorialPage::Create(0);
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

  Step(&requestRight);
  EXPECT_EQ(Ball().direction, 2);
}

TEST_F(MoveRulesTest, RollingSwellsTheBallSoundAndRestingLetsItSink) {
  Play(Room);
  soundManager->StartBallSound();
  EXPECT_FLOAT_EQ(soundManager->ballVolume, 0.5f);
  Step(&requestRight);
  Steps(6);
  EXPECT_NEAR(soundManager->ballVolume, 0.5f + 6 * 4 * 0.025f, 1e-5);
  Steps(10);
  EXPECT_FLOAT_EQ(soundManager->ballVolume, 1.5f);
  Step(&requestLeft);  // not read while rolling
  while (!Resting()) Step();
  Steps(200);
  EXPECT_FLOAT_EQ(soundManager->ballVolume, 0.5f);
}

}  // namespace
