#include <csignal>
#include <filesystem>

#include "app/game_controller.h"
#include "app/play_screen_fixture.h"
#include "menus/menu_screen.h"
#include "menus/world_map.h"
#include "platform/host/clock.h"
#include "platform/host/input.h"
#include "services/game_log.h"
#include "services/resources.h"
#include "support/game_paths.h"

namespace {

const Picture kCorridor = {
    "####################",
    "#S................E#",
    "####################",
};

}  // namespace

class GameControllerTest : public PlayScreenTest {
 protected:
  void SetUp() override {
    PlayScreenTest::SetUp();
    fake.extraPerSleep = 16;  // each pass of a loop then performs about one step
    // Levels 1 and 2 open no hint page, so the ball is under control at once.
    WriteLevel(1, kCorridor);
    WriteLevel(2, kCorridor, 17, 0);  // its start lies where level 1's exit was
  }
  // Keys held before the level loop are flushed by it, so they go in at its first pass.
  void PressDuringLoop(SDL_Keycode key) {
    fake.onSleep = [key, pressed = false]() mutable {
      if (!pressed) PushKey(key, true);
      pressed = true;
    };
  }

  FakeClock fake;
};

TEST_F(GameControllerTest, StartLevelClearsWhatTheLastLevelLeft) {
  StartAt(1);
  Emit(0, 100, 100, 30.0f, 0, 0, level.Particles());
  ASSERT_NE(level.ParticleChain->next, nullptr);
  const std::weak_ptr<particleNodeType> oldParticle = level.ParticleChain->next;
  level.NextMap = mapType::Create(2);
  worldMap->Show();
  gameController->StartLevel(2);
  EXPECT_EQ(level.CurrentMap->number, 2);
  EXPECT_EQ(level.NextMap, nullptr);
  EXPECT_TRUE(oldParticle.expired());  // only the new level's own sparkles remain
  EXPECT_EQ(level.LevelStart->IsPending(), 0);
  EXPECT_EQ(worldMap->state, 0);
  EXPECT_EQ(progress->currentLevel, 2);
  EXPECT_TRUE(Logged("start at level 2"));
}

TEST_F(GameControllerTest, EscapeEndsTheLevelLoopIntoTheMenus) {
  gameController->StartLevel(1);
  gameController->runMode = 0;
  PressDuringLoop(SDLK_ESCAPE);
  gameController->PlayLoop();
  EXPECT_EQ(gameController->runMode, 1);
  EXPECT_EQ(input.requestMenu, 1);
}

TEST_F(GameControllerTest, ArrowKeysPlayTheLevelThroughTheLoop) {
  gameController->StartLevel(1);
  gameController->runMode = 0;
  // The loop forgets keys pressed before it: hold Right from its first pass, and
  // quit once the ball has reached the exit and the next level has scrolled in.
  fake.onSleep = [this, passes = 0]() mutable {
    if (passes++ == 0) PushKey(SDLK_RIGHT, true);
    const bool handedOver = level.CurrentMap && level.CurrentMap->number == 2 && !level.LevelStart->IsPending();
    if (handedOver || passes == 2000) PushQuit();
  };
  gameController->PlayLoop();
  EXPECT_EQ(gameController->runMode, 2);
  EXPECT_EQ(level.CurrentMap->number, 2);
  EXPECT_EQ(progress->LevelState(1), Progress::Solved);
}

// On a display refreshing 144 times a second the loop passes more often than
// it steps (and on any display a late pass can be followed by one without a
// step): a quick press of R must still restart the level.
TEST_F(GameControllerTest, AQuickPressOfRBetweenStepsRestartsTheLevel) {
  ASSERT_TRUE(platform::OpenGraphics(800, 600, 0, 144, 0)) << platform::LastDisplayError();
  WriteLevel(1, {
                    "####################",
                    "#S.......#........E#",
                    "####################",
                });
  gameController->StartLevel(1);
  gameController->runMode = 0;
  fake.extraPerSleep = 0;
  bool tapped = false;
  fake.onSleep = [&, passes = 0, tappedAt = 0]() mutable {
    ++passes;
    const ballType& ball = *level.CurrentMap->ball;
    if (passes == 1) PushKey(SDLK_RIGHT, true);
    if (ball.direction != 0) PushKey(SDLK_RIGHT, false);
    if (!tapped && ball.direction == 0 && ball.cellX == 8) {
      PushKey(SDLK_r, true);
      PushKey(SDLK_r, false);
      tapped = true;
      tappedAt = passes;
    }
    if ((tapped && passes > tappedAt + 200) || passes == 5000) PushQuit();
  };
  gameController->PlayLoop();
  ASSERT_TRUE(tapped) << "the ball never came to rest against the wall";
  EXPECT_EQ(level.CurrentMap->ball->cellX, level.CurrentMap->startX) << "the press of R was lost";
}

TEST_F(GameControllerTest, PrintScreenWritesTheFrameJustPresented) {
  gameController->StartLevel(1);
  gameController->runMode = 0;
  PushKey(SDLK_PRINTSCREEN, true);
  PushKey(SDLK_PRINTSCREEN, false);
  PushQuit();
  gameController->PlayLoop();
  const std::string name = "05 Mar 2026 screen100.png";  // the fake clock's date
  ASSERT_TRUE(std::filesystem::exists(folder.Path() / name));
  const platform::TImage shot = platform::LoadImage(name, 0);
  ASSERT_TRUE(shot);
  EXPECT_EQ(shot.Width(), 800);
  EXPECT_EQ(shot.Height(), 600);
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "05 Mar 2026 screen101.png"));
}

TEST_F(GameControllerTest, ACloseRequestQuitsLoggingTheLevelUnfinishedAndSavingOptions) {
  gameController->StartLevel(1);
  gameController->runMode = 0;
  PushQuit();
  ASSERT_NE(gameLog->levelInProgress, GameLog::NoLevel);
  gameController->Run();
  EXPECT_EQ(gameController->runMode, 2);
  EXPECT_EQ(gameLog->levelInProgress, GameLog::NoLevel);  // closed as unfinished
  EXPECT_TRUE(Logged("normal: Saving options"));
  EXPECT_EQ(folder.Bytes("options.dat").size(), 12u);
}

// The menus' 800 x 600 pages and postcard, their strips and the map's
// picture are not seen in play: a level holds none of them, and the menus
// have theirs again when the level loop ends.
TEST_F(GameControllerTest, PlayHoldsNoMenuPicturesAndTheMenusReadThemAgain) {
  LinkGameMedia(folder.Path());
  gameController->CreateScreens();
  const auto held = [this] {
    int count = 0;
    for (MenuScreen* menu : gameController->screens.Menus()) count += menu->background && menu->buttonStrip ? 1 : 0;
    return count;
  };
  ASSERT_EQ(held(), 4);
  EXPECT_FALSE(worldMap->background) << "the map's picture is read only when it is shown";
  gameController->StartLevel(1);
  gameController->runMode = 0;
  int heldInPlay = -1, heldInMenus = -1;
  fake.onSleep = [&, passes = 0]() mutable {
    ++passes;
    if (passes == 3) {
      heldInPlay = held();
      PushKey(SDLK_ESCAPE, true);
    }
    if (gameController->runMode == 1 && heldInMenus < 0) {
      heldInMenus = held();
      PushQuit();
    }
  };
  gameController->Run();
  EXPECT_EQ(heldInPlay, 0);
  EXPECT_EQ(heldInMenus, 4);
}

namespace {

void PushWindowEvent(SDL_WindowEventID event) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
  e.window.event = event;
  SDL_PushEvent(&e);
}

}  // namespace

TEST_F(GameControllerTest, AMinimisedGameStillQuitsOnTheWindowsCloseRequest) {
  gameController->StartLevel(1);
  gameController->runMode = 0;
  fake.onSleep = [passes = 0]() mutable {
    ++passes;
    if (passes == 5) PushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);
    if (passes == 50) PushQuit();  // long after the wait began
    if (passes == 5000) PushWindowEvent(SDL_WINDOWEVENT_RESTORED);  // only if the quit was ignored
  };
  gameController->PlayLoop();
  EXPECT_EQ(gameController->runMode, 2);
  EXPECT_EQ(platform::AppSuspended(), 1);  // quit without being restored
}

TEST_F(GameControllerTest, AMinimisedGameQuitsOnSigterm) {
  gameController->runMode = 1;
  gameController->CreateScreens();
  fake.onSleep = [passes = 0]() mutable {
    ++passes;
    if (passes == 5) PushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);
    if (passes == 50) raise(SIGTERM);  // as at logout
    if (passes == 5000) PushWindowEvent(SDL_WINDOWEVENT_RESTORED);
  };
  gameController->MenuLoop();
  EXPECT_EQ(gameController->runMode, 2);
  EXPECT_EQ(platform::AppSuspended(), 1);
}
