#include <filesystem>

#include "editor/editor_fixture.h"
#include "game_version.h"
#include "support/grabbed_frame.h"

namespace {

const Picture kRoom = Walled({
    "####################",
    "#S.................#",
    "#..................#",
    "#..................#",
    "#..................#",
    "#..................#",
    "#.................E#",
    "#..................#",
    "####################",
});

}  // namespace

class EditorKeysTest : public EditorTest {
 protected:
  // The editor switched on over a level played from the room above.
  void Edit(const Picture& picture = kRoom) {
    Play(picture);
    Tap(SDLK_e);
    ASSERT_EQ(EditorMode, 1);
  }
  void Hold(SDL_Keycode key) {
    PushKey(key, true);
    Step();
    PushKey(key, false);
  }
};

TEST_F(EditorKeysTest, WithoutTheDeveloperBuildOnlyTheVersionKeyWorks) {
  DeveloperMode = 0;
  Play(kRoom);
  Tap(SDLK_e);
  EXPECT_EQ(EditorMode, 0);
  PushButton(SDL_BUTTON_LEFT, true, 5, 3);
  StepWithPointerOn(5, 3);
  PushKey(SDLK_EQUALS, true);
  Step();
  EXPECT_EQ(level.CurrentMap->tiles[5][3], tile::Floor);
  EXPECT_EQ(level.CurrentMap->startX, 1);
  EXPECT_TRUE(notices.empty());
  Tap(SDLK_v);
  EXPECT_EQ(notices, std::vector<std::string>{"Version " MARROWICK_VERSION});
}

TEST_F(EditorKeysTest, EditorKeySolvesAtOnceForgetsOtherKeysAndHandsTheBallBack) {
  Play(kRoom);
  StepWithPointerOn(5, 3);
  PushKey(SDLK_e, true);
  PushKey(SDLK_EQUALS, true);  // pressed in the same step: flushed with the keyboard
  Step();
  EXPECT_EQ(EditorMode, 1);
  EXPECT_EQ(Distance(1, 1, 2), 0);
  EXPECT_EQ(Distance(18, 1, 2), 1);
  Step();
  EXPECT_EQ(level.CurrentMap->tiles[5][3], tile::Floor);

  Step(Right);  // the editor holds the ball
  EXPECT_TRUE(Resting());
  EXPECT_EQ(Ball().cellX, 1);
  Tap(SDLK_v);
  EXPECT_EQ(notices.size(), 1u);
  PushKey(SDLK_e, false);
  Tap(SDLK_e);
  EXPECT_EQ(EditorMode, 0);
  Step(Right);
  EXPECT_FALSE(Resting());
}

TEST_F(EditorKeysTest, OnlyTheFirstKeyOfTheTableActsInAStep) {
  Edit();
  StepWithPointerOn(5, 3);
  PushKey(SDLK_MINUS, true);
  PushKey(SDLK_EQUALS, true);
  Step();
  EXPECT_EQ(level.CurrentMap->tiles[5][3], tile::Start);  // = comes before - in the table
  EXPECT_EQ(level.CurrentMap->startX, 5);
  EXPECT_EQ(Distance(5, 3, 2), 0);  // solved again from the new start
  Step();
  EXPECT_EQ(level.CurrentMap->tiles[5][3], tile::Exit);
  EXPECT_EQ(level.CurrentMap->exitX, 5);
}

TEST_F(EditorKeysTest, TileKeysPutTheirCodeUnderThePointer) {
  Edit();
  const struct {
    SDL_Keycode key;
    int code;
  } keys[] = {{SDLK_i, 31}, {SDLK_o, 33}, {SDLK_y, 32}, {SDLK_u, 34}, {SDLK_KP_0, 16}, {SDLK_KP_9, 25}};
  int x = 2;
  for (const auto& k : keys) {
    StepWithPointerOn(x, 4);
    Hold(k.key);
    EXPECT_EQ(level.CurrentMap->tiles[x][4], k.code) << x;
    ++x;
  }
  level.CurrentMap->artStyle = 16;
  Tap(SDLK_a);
  EXPECT_EQ(level.CurrentMap->artStyle, 0);
  Tap(SDLK_q);
  Tap(SDLK_q);
  EXPECT_EQ(gameController->mapSolver.shownState, 1);
}

TEST_F(EditorKeysTest, DigitAndBracketKeysStartOtherLevelsStillEditing) {
  WriteLevel(10, Walled({"####", "#.S#", "####"}));
  Edit();
  Tap(SDLK_3);
  EXPECT_EQ(level.CurrentMap->number, 10);
  EXPECT_EQ(EditorMode, 1);
  EXPECT_EQ(Distance(2, 1, 2), 0);  // the new level is solved as it starts
  EXPECT_EQ(Distance(1, 1, 2), 1);
  Tap(SDLK_0);
  EXPECT_EQ(level.CurrentMap->number, 79);
  Tap(SDLK_RIGHTBRACKET);
  EXPECT_EQ(level.CurrentMap->number, 80);
  Tap(SDLK_LEFTBRACKET);
  Tap(SDLK_LEFTBRACKET);
  EXPECT_EQ(level.CurrentMap->number, 78);
}

TEST_F(EditorKeysTest, SweepingTheLeftButtonPaintsOneEditableCellPerStep) {
  Edit();
  level.CurrentMap->protectLeft = level.CurrentMap->protectRight = 8;
  level.CurrentMap->protectTop = 0;
  level.CurrentMap->protectBottom = 13;
  PushButton(SDL_BUTTON_LEFT, true, 3, 3);
  const int path[] = {3, 4, 7, 8, 9};
  for (int x : path) {
    const TileGrid before = level.CurrentMap->tiles;
    StepWithPointerOn(x, 3);
    int changed = 0;
    for (int cx = 0; cx < board::Width; ++cx) {
      for (int cy = 0; cy < board::Height; ++cy) changed += level.CurrentMap->tiles[cx][cy] != before[cx][cy];
    }
    EXPECT_EQ(changed, x == 8 ? 0 : 1) << x;
    if (x != 8) {
      EXPECT_EQ(level.CurrentMap->TileKind(x, 3), tilekind::Wall) << x;
    }
  }
  EXPECT_EQ(level.CurrentMap->tiles[5][3], tile::Floor);
  EXPECT_EQ(level.CurrentMap->tiles[8][3], tile::Floor);
  EXPECT_EQ(Distance(4, 3, 2), -1);  // painted walls are out of reach at once
}

TEST_F(EditorKeysTest, RightButtonClearsTheExitEvenWhenProtected) {
  Picture picture = kRoom;
  picture[5][2] = 'a';
  Edit(picture);
  level.CurrentMap->protectLeft = 0;
  level.CurrentMap->protectRight = 19;
  level.CurrentMap->protectTop = 5;
  level.CurrentMap->protectBottom = 8;
  PushButton(SDL_BUTTON_RIGHT, true, 18, 6);
  for (const auto& [x, y] : {std::pair{18, 6}, {2, 5}, {0, 6}, {19, 0}}) StepWithPointerOn(x, y);
  EXPECT_EQ(level.CurrentMap->tiles[18][6], tile::Floor);
  EXPECT_EQ(level.CurrentMap->tiles[2][5], tile::FirstKey);
  EXPECT_EQ(level.CurrentMap->TileKind(0, 6), tilekind::Wall);
  EXPECT_EQ(level.CurrentMap->tiles[19][0], tile::Floor);
}

TEST_F(EditorKeysTest, RandomizeKeepsTheProtectedStrip) {
  Edit();
  level.CurrentMap->protectLeft = 0;
  level.CurrentMap->protectRight = 2;
  level.CurrentMap->protectTop = 0;
  level.CurrentMap->protectBottom = 13;
  const TileGrid before = level.CurrentMap->tiles;
  Tap(SDLK_z);
  int walls = 0;
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      if (x <= 2) {
        EXPECT_EQ(level.CurrentMap->tiles[x][y], before[x][y]);
      } else {
        EXPECT_TRUE(level.CurrentMap->tiles[x][y] == tile::Floor || level.CurrentMap->TileKind(x, y) == tilekind::Wall);
        walls += level.CurrentMap->TileKind(x, y) == tilekind::Wall;
      }
    }
  }
  EXPECT_GT(walls, 0);
  EXPECT_LT(walls, 17 * 14 / 3);  // about one cell in nine
}

TEST_F(EditorKeysTest, EnterSavesOverTheLevelWithABackupAndLReloadsIt) {
  WriteLevel(7, kRoom);
  const auto old = folder.Bytes("levels/7.lvl");
  std::filesystem::create_directory(folder.Path() / "! map backups");
  StartAt(7);
  Tap(SDLK_e);
  StepWithPointerOn(5, 3);
  Hold(SDLK_i);
  Tap(SDLK_RETURN);
  EXPECT_EQ(folder.Bytes("! map backups/7.lvl"), old);
  const auto saved = folder.Bytes("levels/7.lvl");
  ASSERT_EQ(saved.size(), 1140u);
  EXPECT_EQ(IntAt(saved, 12 + 4 * (14 * 5 + 3)), tile::FirstKey);

  level.CurrentMap->SetTile(6, 3, tile::Void);
  Tap(SDLK_l);
  EXPECT_EQ(level.CurrentMap->tiles[6][3], tile::Floor);
  EXPECT_EQ(level.CurrentMap->tiles[5][3], tile::FirstKey);
}

TEST_F(EditorKeysTest, NextMapKeyCarriesTheExitStripIntoTheNextLevelWhichEnterSaves) {
  WriteLevel(7, kRoom);  // exit at (18, 6): the right edge is nearest
  WriteLevel(8, Walled({"...................."}), 18, 0);
  StartAt(7);
  Tap(SDLK_e);
  Tap(SDLK_n);
  ASSERT_TRUE(level.NextMap);
  EXPECT_EQ(level.NextMap->number, 8);
  EXPECT_EQ(level.NextMap->tiles[0][6], tile::Start);
  EXPECT_EQ(level.NextMap->shiftX, 18);
  for (int i = 0; i < 400 && level.LevelStart->IsPending(); ++i) Step();
  ASSERT_EQ(level.CurrentMap->number, 8);
  EXPECT_EQ(Distance(0, 6, 2), 0);  // the new level arrives solved from its new start

  Tap(SDLK_RETURN);
  const auto saved = folder.Bytes("levels/8.lvl");
  ASSERT_EQ(saved.size(), 1140u);
  EXPECT_EQ(IntAt(saved, 12 + 4 * (14 * 0 + 6)), tile::Start);
  // Columns 18 and 19 of level 7 cover level 8's floor in its top row; the rest is level 8's own.
  EXPECT_EQ(IntAt(saved, 12 + 4 * (14 * 0 + 0)), 10);
  EXPECT_EQ(IntAt(saved, 12 + 4 * (14 * 1 + 0)), 10);
  EXPECT_EQ(IntAt(saved, 12 + 4 * (14 * 2 + 0)), tile::Floor);
  EXPECT_EQ(IntAt(saved, 1132), 18);
  EXPECT_EQ(IntAt(saved, 1136), 0);
}

TEST_F(EditorKeysTest, TheFrameShowsTheHelpLinesOnlyWhileEditing) {
  Play(kRoom);
  const auto bottom = [this] {
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
    gameController->DrawPlayFrame();
    const Frame frame = GrabFrame();
    std::vector<uint32_t> pixels;
    for (int y = 556; y < 600; ++y) {
      for (int x = 0; x < 800; ++x) pixels.push_back(frame.At(x, y));
    }
    return pixels;
  };
  const auto playing = bottom();
  EXPECT_EQ(std::count(playing.begin(), playing.end(), 0u), static_cast<long>(playing.size()));

  Tap(SDLK_e);
  const auto editing = bottom();
  platform::SetClsColor(0, 0, 0);
  platform::Cls();
  GameController::ResetDrawState();
  platform::SetColor(255, 255, 255);
  platform::DrawText("(O)(U)Key (I)(Y)lock| (A)rt Style|Mouse: add\\remove walls| Plus\\Minus: End\\Start points", 0, 556);
  platform::DrawText(
      "LVL 7: (L)oad|(Enter)Save|randomi(Z)e|create (N)extmap|(1-9)Levelskip|(Square brackets)Move level", 0, 570);
  platform::DrawText("(Q) cycle key display mode", 0, 584);
  const Frame expected = GrabFrame();
  int differing = 0;
  for (int y = 556; y < 600; ++y) {
    for (int x = 0; x < 800; ++x) differing += editing[(y - 556) * 800 + x] != expected.At(x, y);
  }
  EXPECT_EQ(differing, 0);
}
