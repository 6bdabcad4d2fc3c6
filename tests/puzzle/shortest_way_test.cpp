// The hint's move: the first of a shortest way to the exit from where the ball
// rests. From every shipped level's start the way is as long as the level
// solver's solution and its first move leaves a way one move shorter; followed
// with the real ball on levels of every kind, each hint takes one move off the
// way left until the ball reaches the exit.

#include "puzzle/level_solver.h"
#include "puzzle/puzzle_fixture.h"
#include "puzzle/shortest_way.h"

namespace {

Request RequestFor(int direction) {
  switch (direction) {
    case direction::Up: return Up;
    case direction::Right: return Right;
    case direction::Down: return Down;
    default: return Left;
  }
}

using ShortestWayTest = PuzzleTest;

TEST_F(ShortestWayTest, FromEveryShippedStartTheFirstMoveLeavesOneMoveFewer) {
  CopyShippedLevels();
  for (int n = 0; n <= levels::Last; ++n) {
    SCOPED_TRACE("level " + std::to_string(n));
    const auto map = mapType::Create(n);
    const RestingBall start = RestingBallOn(*map);
    const auto way = ShortestWay(*map, start);
    ASSERT_TRUE(way.has_value());
    ASSERT_EQ(static_cast<int>(way->size()), SolveLevel(*map).leastMoves);
    const RollResult first = LevelRoller(*map).Roll(start.x, start.y, start.locks, way->front());
    if (way->size() == 1) {
      EXPECT_EQ(first.end, RollEnd::Exit);
      continue;
    }
    ASSERT_EQ(first.end, RollEnd::Rest);
    const auto rest = ShortestWay(*map, {first.x, first.y, first.locks});
    ASSERT_TRUE(rest.has_value());
    EXPECT_EQ(rest->size(), way->size() - 1);
  }
}

// Keys, gateways and teleports along the way; the locks as the ball leaves them.
TEST_F(ShortestWayTest, EachHintFollowedWithTheRealBallTakesOneMoveOffTheWayLeft) {
  CopyShippedLevels();
  for (int n : {3, 9, 13, 27, 44, 61, 80}) {
    SCOPED_TRACE("level " + std::to_string(n));
    StartAt(n);
    events.heard.clear();
    for (int left = LeastMoves(*level.CurrentMap); left > 0; --left) {
      level.ClearParticles();
      const auto way = ShortestWay(*level.CurrentMap, RestingBallOn(*level.CurrentMap));
      ASSERT_TRUE(way.has_value()) << left << " moves left";
      ASSERT_EQ(static_cast<int>(way->size()), left);
      ASSERT_EQ(events.Count("solved"), 0) << left << " moves left";
      Move(RequestFor(way->front()));
    }
    // With no game to end the level, the ball on the exit says so every step.
    EXPECT_GT(events.Count("solved"), 0);
  }
}

TEST_F(ShortestWayTest, NoWayOnceTheGatewayIsShutAndNoneFromOffTheBoard) {
  Play(ShutGateway);
  EXPECT_EQ(ShortestWay(*level.CurrentMap, RestingBallOn(*level.CurrentMap)), std::vector<int>{direction::Right});
  Move(Down);
  EXPECT_FALSE(ShortestWay(*level.CurrentMap, RestingBallOn(*level.CurrentMap)).has_value());
  EXPECT_FALSE(ShortestWay(*level.CurrentMap, {-1, 3, 0}).has_value());
  EXPECT_FALSE(ShortestWay(*level.CurrentMap, {1, 1, 4}).has_value());
}

}  // namespace
