// Undo, the move counter, the hint and the level select's replays, played
// through the keys as the level loop reads them: a pushed key, the poll, the step.

#include "app/play_screen_fixture.h"
#include "menus/level_select.h"
#include "platform/host/input.h"
#include "puzzle/editor_mode.h"
#include "puzzle/level_solver.h"
#include "puzzle/roll_rule.h"
#include "puzzle/shortest_way.h"

namespace {

SDL_Keycode ArrowFor(int direction) {
  switch (direction) {
    case direction::Up: return SDLK_UP;
    case direction::Right: return SDLK_RIGHT;
    case direction::Down: return SDLK_DOWN;
    default: return SDLK_LEFT;
  }
}

// Where the level stands between moves, as far as the player can tell.
struct Position {
  int x, y, locks;
  TileGrid tiles;
  int moves;
  bool operator==(const Position&) const = default;
};

class PlayAidsTest : public PlayScreenTest {
 protected:
  void SetUp() override {
    PlayScreenTest::SetUp();
    progress->tutorialSeen.fill(1);
    CopyShippedLevels();
  }

  // One pass of the level loop: the poll, then the step.
  void Pass() {
    input.Poll(*inGameButtons, level);
    gameController->PlayStep();
  }
  // A key down for one pass, then let go.
  void Tap(SDL_Keycode key) {
    PushKey(key, true);
    Pass();
    PushKey(key, false);
    Pass();
  }
  // An arrow, then the passes until the ball rests again (on this level or the next).
  void Roll(int direction) {
    Tap(ArrowFor(direction));
    for (int i = 0; i < 400 && !Resting(); ++i) Pass();
  }
  Position Now() const {
    const mapType& map = *level.CurrentMap;
    return {map.ball->cellX, map.ball->cellY, RollRule(map).LocksInPlay(), map.tiles, Aids().attempt.Moves()};
  }
  PlayAids& Aids() const { return gameController->aids; }
};

TEST_F(PlayAidsTest, UndoWalksBackThroughKeysGatewaysAndTeleportsAndTheWayAgainIsAtPar) {
  gameController->StartLevel(27);  // teleports, keys and locks
  const std::vector<int> solution = SolveLevel(*level.CurrentMap).moves;
  ASSERT_GE(solution.size(), 3u);
  EXPECT_EQ(Aids().attempt.Par(), static_cast<int>(solution.size()));

  std::vector<Position> seen{Now()};
  for (size_t i = 0; i + 1 < solution.size(); ++i) {
    Roll(solution[i]);
    seen.push_back(Now());
    ASSERT_EQ(seen.back().moves, static_cast<int>(i + 1));
  }
  for (size_t i = seen.size() - 1; i > 0; --i) {
    Tap(i % 2 == 0 ? SDLK_z : SDLK_BACKSPACE);
    ASSERT_EQ(Now(), seen[i - 1]) << "undo " << seen.size() - i;
  }
  Tap(SDLK_z);  // nothing left to take back
  EXPECT_EQ(Now(), seen[0]);
  EXPECT_FALSE(gameController->flash) << "an undo is no restart";

  for (const int move : solution) Roll(move);
  EXPECT_EQ(level.CurrentMap->number, 28);
  EXPECT_EQ(Aids().records.Of(27).bestMoves, static_cast<int>(solution.size()));
  EXPECT_TRUE(Aids().records.Of(27).atPar);
}

TEST_F(PlayAidsTest, AFallARestartAndARollUnderWayAreTakenBack) {
  Play({
      "####################",
      "#..................#",
      "   S...............#",  // open to the left: a roll that way falls off
      "#..................#",
      "####################",
  });
  Roll(direction::Right);
  const Position right = Now();
  ASSERT_EQ(right.x, 18);
  ASSERT_EQ(right.moves, 1);

  Roll(direction::Left);
  EXPECT_EQ(Now().x, 3);
  EXPECT_EQ(Now().moves, 0);
  EXPECT_TRUE(gameController->flash);
  gameController->flash = nullptr;
  Tap(SDLK_z);
  EXPECT_EQ(Now(), right) << "the ball comes back from the fall";

  Tap(SDLK_r);
  EXPECT_EQ(Now().x, 3);
  EXPECT_EQ(Now().moves, 0);
  gameController->flash = nullptr;
  Tap(SDLK_z);
  EXPECT_EQ(Now(), right) << "the restart is one step back";

  Tap(SDLK_LEFT);
  for (int i = 0; i < 4; ++i) Pass();
  ASSERT_FALSE(Resting());
  Tap(SDLK_z);
  EXPECT_EQ(Now(), right) << "a roll under way goes back to where it began";
  EXPECT_TRUE(Resting());
  Tap(SDLK_z);
  EXPECT_EQ(Now().x, 3);
  EXPECT_EQ(Now().moves, 0);
  EXPECT_FALSE(gameController->flash);
}

TEST_F(PlayAidsTest, HintsShowTheNextMoveOfAShortestWayAreCountedAndCostThePar) {
  gameController->StartLevel(13);  // keys and locks
  const int par = Aids().attempt.Par();
  while (level.CurrentMap->number == 13) {
    const auto way = ShortestWay(*level.CurrentMap, RestingBallOn(*level.CurrentMap));
    ASSERT_TRUE(way.has_value());
    Tap(SDLK_h);
    ASSERT_EQ(Aids().hint.Direction(), way->front());
    Roll(Aids().hint.Direction());
    ASSERT_EQ(Aids().hint.Direction(), 0) << "the arrow goes once the ball rolls";
  }
  EXPECT_EQ(Aids().records.Of(13).bestMoves, par);
  EXPECT_EQ(Aids().records.Of(13).hints, par);
  EXPECT_FALSE(Aids().records.Of(13).atPar);

  level.NextMap = nullptr;
  Play(ShutGateway);
  Roll(direction::Down);
  Tap(SDLK_h);
  EXPECT_TRUE(Aids().hint.SaysNoWay());
}

TEST_F(PlayAidsTest, InTheEditorZIsLeftForItsRandomizer) {
  Play(Room);
  EditorMode = 1;
  PushKey(SDLK_z, true);
  input.Poll(*inGameButtons, level);
  EXPECT_EQ(input.requestUndo, 0);
  EXPECT_EQ(platform::KeyHit('Z'), 1);
}

// Levels 0-8 finished, 6 of them skipped; the journey stands on level 9.
TEST_F(PlayAidsTest, AReplayLeavesTheJourneyWhereItWasAndASkippedLevelSolvedCounts) {
  for (int n = 0; n < 9; ++n) progress->MarkLevelFinished(n, n == 6 ? 0 : 1);
  gameController->CreateScreens();
  gameController->StartLevel(9);
  Roll(SolveLevel(*level.CurrentMap).moves.front());
  const Position journey = Now();
  LevelSelect& select = *gameController->screens.levelSelect;

  select.ShowAt(6);
  PushKey(SDLK_RETURN, true);
  gameController->MenuStep();
  ASSERT_EQ(gameController->runMode, 0);
  ASSERT_EQ(level.CurrentMap->number, 6);
  EXPECT_EQ(Aids().attempt.Moves(), 0);
  for (const int move : SolveLevel(*level.CurrentMap).moves) Roll(move);
  EXPECT_EQ(gameController->runMode, 1) << "a replay solved goes back to the menus";
  EXPECT_EQ(progress->LevelState(6), Progress::Solved);
  EXPECT_EQ(progress->currentLevel, 9);

  gameController->OpenWaitingLevelSelect();
  EXPECT_EQ(level.CurrentMap->number, 9);
  EXPECT_EQ(Now(), journey);
  EXPECT_EQ(select.state, MenuScreen::FadingIn);
  EXPECT_EQ(select.selected, 6);

  // Left before it is solved (Escape ends the level loop and the menus open):
  // the journey is as it was, and level 10 cannot be chosen yet.
  gameController->ReplayLevel(2);
  Roll(direction::Right);
  gameController->OpenWaitingLevelSelect();
  EXPECT_EQ(Now(), journey);
  EXPECT_EQ(progress->currentLevel, 9);
  select.Select(10);
  EXPECT_EQ(select.selected, 2);
}

}  // namespace
