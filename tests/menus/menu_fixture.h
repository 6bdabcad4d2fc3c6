#pragma once
// The menu screens on the real display (offscreen under ctest) with the game's
// generated media, in a temporary working folder, on a clock that moves only
// when a test steps it. Input arrives as real SDL events.

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/game_controller.h"
#include "app/in_game_buttons.h"
#include "menus/instructions_menu.h"
#include "menus/main_menu.h"
#include "menus/options_menu.h"
#include "menus/reset_profile_menu.h"
#include "menus/screens.h"
#include "menus/world_map.h"
#include "platform/host/diagnostics.h"
#include "platform/host/input.h"
#include "platform/stream_temp_folder.h"
#include "puzzle/level_start.h"
#include "puzzle/map.h"
#include "puzzle/particles.h"
#include "services/game_log.h"
#include "services/progress.h"
#include "services/sound_manager.h"
#include "support/display_fixture.h"
#include "support/test_game.h"
#include "support/fake_clock.h"
#include "support/game_paths.h"

class MenuTest : public DisplayTest, public TestGame {
 protected:
  static constexpr int StepMs = 17;

  void SetUp() override {
    DisplayTest::SetUp();
    LinkGameMedia(folder.Path());
    std::filesystem::create_directory(folder.Path() / "levels");
    platform::SetDebugLogHook([this](const std::string& line) { log.push_back(line); });
    SilentSounds();
    LoadProgress();
    gameLog = std::make_shared<GameLog>();
    inGameButtons = InGameButtons::Create(*progress);
    gameController->CreateScreens();
    lastActivationTime = 0;
  }

  void TearDown() override {
    platform::SetDebugLogHook({});
    ReleaseGame();
    DisplayTest::TearDown();
  }

  // Steps of the menu loop, each 17 ms after the one before.
  void Steps(int count) {
    for (int i = 0; i < count; ++i) {
      clock.Advance(StepMs);
      gameController->MenuStep();
    }
  }

  static void Key(SDL_Keycode key, bool down) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
    platform::PollSystem();
  }
  static void Press(SDL_Keycode key) {
    Key(key, true);
    Key(key, false);
  }
  static void MoveMouseTo(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    SDL_PushEvent(&e);
    platform::PollSystem();
  }
  static void Button(bool down) {
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = platform::MouseX();
    e.button.y = platform::MouseY();
    SDL_PushEvent(&e);
    platform::PollSystem();
  }

  // Screens shown by a test fade in fully first.
  void ShowFully(MenuScreen& screen) {
    screen.Show();
    Steps(MenuScreen::FullFade);
  }

  bool Logged(const std::string& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }

  std::vector<std::shared_ptr<OptionLogRecord>> OptionRecords() const {
    std::vector<std::shared_ptr<OptionLogRecord>> records;
    for (auto r = gameLog->optionRecords; r; r = r->next) records.push_back(r);
    return records;
  }

  TempFolder folder;
  FakeClock clock;
  std::vector<std::string> log;
};
