// Which press acts on which screen: a key or button held from before a screen
// appeared acts on nothing of it, the reset box waits for a choice made on it,
// Escape leads back, the first key highlights when nothing is, and the
// highlight survives switching between window and full screen.

#include "menu_fixture.h"
#include "app/in_game_input.h"
#include "menus/yes_no_box.h"
#include "services/resources.h"

namespace {

class PressesTest : public MenuTest {
 protected:
  void SetUp() override {
    MenuTest::SetUp();
    MoveMouseTo(5, 5);
    Steps(1);
    gameController->SetActiveScreen(0);
    progress->MarkLevelFinished(0, 1);
    progress->MarkLevelFinished(1, 1);
  }
  // What the run-mode loop does on entering menu mode.
  void EnterMenuMode() {
    input.ResetInput();
    lastActivationTime = platform::Millisecs();
    gameController->SetActiveScreen(0);
  }
  // Auto-repeat of a held key, as the window system sends it.
  static void Repeat(SDL_Keycode key) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.repeat = 1;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
    platform::PollSystem();
  }
  // Enter and Space act while held: down for one step, then up.
  void Tap(SDL_Keycode key) {
    Key(key, true);
    Steps(1);
    Key(key, false);
  }
  // Steps while a key is held, with the window system's auto-repeat.
  void HoldFor(SDL_Keycode key, int steps) {
    for (int i = 0; i < steps; ++i) {
      Repeat(key);
      Steps(1);
    }
  }
  // From the main menu to the options with the keyboard, Full screen highlighted.
  void OpenOptionsByKeys() {
    mainMenu->Select(MainMenu::Options);
    clock.Advance(700);
    Tap(SDLK_RETURN);
    Steps(MenuScreen::FullFade);
    ASSERT_EQ(optionsMenu->state, MenuScreen::Shown);
    ASSERT_EQ(gameController->GetActiveScreen(), 2);
    optionsMenu->Select(OptionsMenu::FullScreen);
  }
};

TEST_F(PressesTest, TheResetBoxOpensOnNoAndAnEnterHeldIntoItNeverWipesTheSave) {
  OpenOptionsByKeys();
  optionsMenu->Select(OptionsMenu::ResetProfile);
  clock.Advance(700);
  Key(SDLK_RETURN, true);  // held from here on
  Steps(1);
  ASSERT_EQ(gameController->GetActiveScreen(), 5);
  EXPECT_EQ(resetProfileMenu->selected, ResetProfileMenu::No);
  EXPECT_EQ(resetProfileMenu->noSelection, 0);
  resetProfileMenu->Select(ResetProfileMenu::Yes);  // even on Yes
  HoldFor(SDLK_RETURN, 180);                        // three seconds of auto-repeat
  EXPECT_EQ(resetProfileMenu->state, MenuScreen::Shown);
  EXPECT_EQ(progress->currentLevel, 2);
  Key(SDLK_RETURN, false);

  // A fresh press answers; Escape answers No.
  Press(SDLK_ESCAPE);
  Steps(1);
  EXPECT_EQ(resetProfileMenu->state, MenuScreen::FadingOut);
  EXPECT_EQ(gameController->GetActiveScreen(), 2);
  EXPECT_EQ(progress->currentLevel, 2);
  EXPECT_EQ(progress->LevelState(1), Progress::Solved);
}

TEST_F(PressesTest, TheResetBoxTakesYesOnlyFromAFreshPressOnYes) {
  OpenOptionsByKeys();
  optionsMenu->Select(OptionsMenu::ResetProfile);
  clock.Advance(700);
  Tap(SDLK_RETURN);
  Steps(MenuScreen::FullFade);
  Press(SDLK_UP);
  Steps(1);
  ASSERT_EQ(resetProfileMenu->selected, ResetProfileMenu::Yes);
  Tap(SDLK_RETURN);
  EXPECT_EQ(progress->currentLevel, 0);
  EXPECT_EQ(progress->LevelState(1), Progress::Locked);
}

TEST_F(PressesTest, TheMenuButtonHeldIntoTheMenusNeverQuits) {
  // The in-game Menu button lies under the main menu's Quit.
  MoveMouseTo(130, 560);
  Button(true);
  EnterMenuMode();
  Steps(120);  // two seconds held
  EXPECT_EQ(gameController->runMode, 1);
  Button(false);

  // The second click of a double click comes before the menu may be used.
  EnterMenuMode();
  Steps(10);
  Button(true);
  Steps(2);
  Button(false);
  Steps(60);
  EXPECT_EQ(gameController->runMode, 1);

  // Quit itself stays one press.
  Button(true);
  Steps(1);
  EXPECT_EQ(gameController->runMode, 2);
}

TEST_F(PressesTest, EscapeLeavesOptionsAndInstructionsForTheMainMenu) {
  for (int button : {MainMenu::Options, MainMenu::Instructions}) {
    mainMenu->Select(button);
    clock.Advance(700);
    Tap(SDLK_RETURN);
    Steps(MenuScreen::FullFade);
    MenuScreen& screen = button == MainMenu::Options ? static_cast<MenuScreen&>(*optionsMenu)
                                                     : static_cast<MenuScreen&>(*instructionsMenu);
    ASSERT_EQ(screen.state, MenuScreen::Shown);
    Press(SDLK_ESCAPE);
    Steps(1);
    EXPECT_EQ(screen.state, MenuScreen::FadingOut) << button;
    EXPECT_EQ(gameController->GetActiveScreen(), 0) << button;
    Steps(MenuScreen::FullFade);
  }
  // Escape in the main menu itself does nothing.
  Press(SDLK_ESCAPE);
  Steps(1);
  EXPECT_EQ(gameController->runMode, 1);
  EXPECT_EQ(mainMenu->state, MenuScreen::Shown);
}

TEST_F(PressesTest, WithNothingHighlightedTheFirstKeyHighlightsPlayAndDoesNothingElse) {
  for (SDL_Keycode key : {SDLK_DOWN, SDLK_UP, SDLK_LEFT, SDLK_RIGHT, SDLK_RETURN, SDLK_SPACE}) {
    mainMenu->Select(MainMenu::Options);
    mainMenu->Select(MenuScreen::NoButton);  // the pointer left the buttons
    clock.Advance(700);
    Key(key, true);
    Steps(1);
    EXPECT_EQ(mainMenu->noSelection, 0) << key;
    EXPECT_EQ(mainMenu->selected, MainMenu::Play) << key;
    HoldFor(key, 60);  // the same press goes on doing nothing
    EXPECT_EQ(mainMenu->selected, MainMenu::Play) << key;
    EXPECT_EQ(gameController->runMode, 1) << key;
    Key(key, false);
  }
  Tap(SDLK_RETURN);
  EXPECT_EQ(gameController->runMode, 0);
}

// Pressed and let go between two steps, a key or a click still acts, once.
TEST_F(PressesTest, AnEnterOrAClickShorterThanAStepActsOnce) {
  mainMenu->Select(MainMenu::Instructions);
  clock.Advance(700);
  Press(SDLK_RETURN);
  Steps(1);
  EXPECT_NE(instructionsMenu->state, MenuScreen::Hidden);
  Steps(MenuScreen::FullFade);
  EXPECT_NE(instructionsMenu->state, MenuScreen::Hidden);  // not activated again

  mainMenu->CloseSubmenus(true);
  gameController->SetActiveScreen(0);
  MoveMouseTo(226, 392);  // Options
  Steps(1);
  clock.Advance(700);
  Button(true);
  Button(false);
  Steps(1);
  EXPECT_NE(optionsMenu->state, MenuScreen::Hidden);
}

TEST_F(PressesTest, SwitchingToFullScreenAndBackKeepsTheHighlightedOption) {
  OpenOptionsByKeys();
  ASSERT_EQ(optionsMenu->selected, OptionsMenu::FullScreen);
  const float effects = soundManager->effectsVolume;
  for (int expected : {1, 0}) {
    clock.Advance(700);
    Tap(SDLK_RETURN);
    ASSERT_EQ(fullscreen, expected);
    // The pointer is centred (full screen) or found again (window) meanwhile.
    MoveMouseTo(400, 300);
    Steps(5);
    MoveMouseTo(530, 260);
    Steps(MenuScreen::FullFade);
    EXPECT_EQ(optionsMenu->selected, OptionsMenu::FullScreen) << expected;
    EXPECT_EQ(optionsMenu->noSelection, 0) << expected;
  }
  EXPECT_EQ(soundManager->effectsVolume, effects);
  // Once settled, the pointer moved by the player selects again.
  MoveMouseTo(530, 505);
  Steps(1);
  EXPECT_EQ(optionsMenu->selected, OptionsMenu::Back);
}

TEST_F(PressesTest, AltEnterAndF11SwitchAnywhereKeepingTheOptionInStep) {
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.keysym.sym = SDLK_RETURN;
  e.key.keysym.mod = KMOD_RALT;
  SDL_PushEvent(&e);
  gameController->HandleWindowRequests();
  EXPECT_EQ(fullscreen, 1);
  EXPECT_EQ(static_cast<YesNoBox&>(*optionsMenu->buttons[OptionsMenu::FullScreen]).value, 1);
  EXPECT_EQ(gameController->runMode, 1);
  Press(SDLK_F11);
  gameController->HandleWindowRequests();
  EXPECT_EQ(fullscreen, 0);
  EXPECT_EQ(static_cast<YesNoBox&>(*optionsMenu->buttons[OptionsMenu::FullScreen]).value, 0);
  const auto records = OptionRecords();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0]->option, OptionLogRecord::DisplayMode);
  EXPECT_EQ(records[0]->to, 1);
  EXPECT_EQ(records[1]->to, 0);
}

}  // namespace
