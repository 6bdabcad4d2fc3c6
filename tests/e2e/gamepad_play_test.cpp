// The real game played with a game controller only (SDL's virtual joystick):
// through the main menu, a hint page, a level rolled with the d-pad, the menu
// opened with Start, the options left with B, and Quit.

#include <cstdlib>
#include <functional>

#include "e2e/game_session.h"
#include "menus/main_menu.h"
#include "menus/options_menu.h"
#include "menus/screens.h"
#include "platform/host/input.h"
#include "services/progress.h"
#include "services/resources.h"
#include "support/virtual_gamepad.h"

namespace {

SDL_GameControllerButton PadFor(int direction) {
  switch (direction) {
    case 1: return SDL_CONTROLLER_BUTTON_DPAD_UP;
    case 2: return SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
    case 3: return SDL_CONTROLLER_BUTTON_DPAD_DOWN;
    default: return SDL_CONTROLLER_BUTTON_DPAD_LEFT;
  }
}

struct PadHold {
  int button;  // -1: nothing held, the level is played with the d-pad
  std::function<bool()> done;
};

}  // namespace

TEST_F(GameSession, AGameControllerAloneGoesFromTheMenuThroughALevelToQuit) {
  gameController = StartUp();
  ASSERT_TRUE(gameController);
  const int index = AttachVirtualGamepad();
  ASSERT_GE(index, 0) << SDL_GetError();
  ASSERT_TRUE(SDL_IsGameController(index));
  SDL_Joystick* pad = SDL_JoystickOpen(index);
  ASSERT_NE(pad, nullptr);
  platform::PollSystem();  // the game opens the controller it was told of

  const std::vector<int> solution = SolutionOf(0);
  size_t move = 0;
  auto menus = [&] { return gameController->runMode == 1; };
  const std::vector<PadHold> script = {
      {SDL_CONTROLLER_BUTTON_DPAD_DOWN, [&] { return gameController->screens.mainMenu->selected == MainMenu::Instructions; }},
      {SDL_CONTROLLER_BUTTON_DPAD_UP, [&] { return gameController->screens.mainMenu->selected == MainMenu::Play; }},
      {SDL_CONTROLLER_BUTTON_A, [&] { return gameController->runMode == 0; }},
      {-1, [&] { return gameController->popup && gameController->popup->state == MenuScreen::Shown; }},
      {SDL_CONTROLLER_BUTTON_Y, [&] { return gameController->popup->state == MenuScreen::FadingOut; }},
      {-1, [&] { return gameController->level.CurrentMap->number == 1; }},
      {SDL_CONTROLLER_BUTTON_START, menus},
      {SDL_CONTROLLER_BUTTON_DPAD_DOWN, [&] { return gameController->screens.mainMenu->selected == MainMenu::Options; }},
      {SDL_CONTROLLER_BUTTON_A, [&] { return gameController->screens.optionsMenu->state == MenuScreen::Shown; }},
      {SDL_CONTROLLER_BUTTON_B, [&] { return gameController->screens.optionsMenu->state == MenuScreen::FadingOut; }},
      {SDL_CONTROLLER_BUTTON_DPAD_LEFT, [&] { return gameController->screens.mainMenu->selected == MainMenu::Quit; }},
      {SDL_CONTROLLER_BUTTON_A, [&] { return gameController->runMode == 2; }},
  };
  const char* shots = std::getenv("MARROWICK_SCREENSHOT_DIR");
  size_t line = 0;
  int held = -1;
  int passes = 0;
  auto set = [pad](int button, bool down) {
    SDL_JoystickSetVirtualButton(pad, button, down ? 1 : 0);
  };
  fake.onSleep = [&] {
    if (!gameController || !gameController->level.CurrentMap) return;
    if (++passes > 40000) return PushQuit();
    if (line < script.size() && script[line].done()) {
      if (held >= 0) set(held, false);
      held = -1;
      if (shots) Resources::SaveScreenshot(std::string(shots) + "/gamepad-" + std::to_string(line) + ".png");
      ++line;
    }
    if (line >= script.size()) return;
    if (script[line].button >= 0) {
      if (held < 0) set(held = script[line].button, true);
      return;
    }
    // The level, rolled with the d-pad: a direction held until the ball rolls.
    if (gameController->runMode != 0 || !gameController->level.CurrentMap->ball || gameController->level.LevelStart->IsPending()) return;
    if (gameController->level.CurrentMap->ball->direction != 0 || (gameController->popup && gameController->popup->state != 0)) {
      if (held >= 0) set(held, false);
      held = -1;
    } else if (held < 0 && move < solution.size()) {
      set(held = PadFor(solution[move++]), true);
    }
  };
  gameController->Start();
  if (line + 1 == script.size() && script.back().done()) ++line;  // Quit ends the loops at once
  SDL_JoystickClose(pad);
  SDL_JoystickDetachVirtual(index);

  EXPECT_EQ(line, script.size()) << "stopped waiting at line " << line << " after " << passes << " passes";
  EXPECT_EQ(gameController->progress->LevelState(0), Progress::Solved);
}
