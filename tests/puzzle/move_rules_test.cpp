#include "puzzle_fixture.h"

namespace {

class MoveRulesTest : public PuzzleTest {
 protected:
  // Sparks of a finished level's burst: the only particles that home on a target.
  int Bursts() const {
    int bursts = 0;
    for (auto* node = level.ParticleChain->next.get(); node; node = node->next.get()) {
      bursts += static_cast<const particleType*>(node)->attract == 2 ? 1 : 0;
    }
    return bursts;
  }
};

TEST_F(MoveRulesTest, TheBallCrossesACellEveryThreeStepsInSubSteps) {
  Play(Room);
  ASSERT_TRUE(Resting());
  Step(Right);  // resting: the request becomes the direction
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
  Step(Up);
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
  Step(Right);
  // The ball ignores other requests while rolling.
  for (int i = 0; i < 27; ++i) Step(Down);
  EXPECT_EQ(Ball().cellX, 18);
  EXPECT_EQ(Ball().cellY, 3);
  EXPECT_EQ(Ball().direction, 2);

  // On the centre before the wall: one step to stop, with a held request taken at once.
  Step(Down);
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
  for (Request request : {Up, Down, Left, Right}) {
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
    std::vector<Request> held;
    int direction;
  };
  const Case cases[] = {
      {{Up, Right}, 1},
      {{Left, Down}, 4},
      {{Right, Down}, 2},
      {{Down, Up, Left, Right}, 1},
  };
  for (const Case& c : cases) {
    Play(Room);
    PlayRequests requests;
    for (Request r : c.held) requests.*r = true;
    level.Step(requests, 1);
    EXPECT_EQ(Ball().direction, c.direction);
  }

  // Without player control the requests are not read.
  Play(Room);
  PlayRequests up;
  up.up = true;
  level.Step(up, 0);
  EXPECT_EQ(Ball().direction, 0);
}

// What the level reports as the ball falls off, is restarted, solves and skips;
// the game's answers to them are tried in tests/app.
TEST_F(MoveRulesTest, TheLevelReportsFallsRestartsAndEnds) {
  Play({
      "####################",
      "#S..E...............",
      "####################",
  }, 12);
  Move(Left);  // the wall keeps the ball on the board
  EXPECT_EQ(events.Count("flash"), 0);
  level.CurrentMap->tiles[0][1] = CodeOf('.');
  Move(Left);
  EXPECT_EQ(events.Count("flash"), 1) << "a fall flashes";
  EXPECT_EQ(events.Count("sound restart"), 1) << "and sounds the restart";
  EXPECT_EQ(Ball().cellX, 1);

  Step(Right);
  Step(RestartRequest);
  EXPECT_EQ(events.Count("flash"), 2);
  EXPECT_EQ(Ball().cellX, 1);
  EXPECT_TRUE(Resting());

  level.ClearParticles();
  Step(SkipRequest);
  EXPECT_EQ(events.Count("skipped"), 1);
  EXPECT_EQ(Bursts(), 5) << "a skip sends five sparks to the token, a solve thirty";
  // At the exit the ball reports the level solved and waits for the game's hand-over.
  level.ClearParticles();
  Step(Right);
  for (int i = 0; i < 30 && events.Count("solved") == 0; ++i) Step();
  EXPECT_EQ(events.Count("solved"), 1);
  EXPECT_EQ(Bursts(), 30);

  // While a hand-over is pending the ball does not move, whatever is asked.
  level.LevelStart = levelStartType::Create(0, 64, 1);
  for (Request request : {Left, RestartRequest, SkipRequest}) {
    level.StepMap(PlayRequests{.left = request == Left, .restart = request == RestartRequest,
                               .skip = request == SkipRequest},
                  1);
    EXPECT_EQ(Ball().cellX, 4);
  }
  EXPECT_EQ(events.Count("flash") + events.Count("skipped"), 3);

  // The last level cannot be skipped.
  Play(Room, 80);
  Step(SkipRequest);
  EXPECT_EQ(events.Count("skipped"), 1);
}

}  // namespace
