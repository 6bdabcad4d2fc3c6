// The framework's rules seen through a screen that only counts activations,
// and through the main menu.

#include "menu_fixture.h"
#include "menus/level_select.h"

namespace {

// Five 154 x 30 buttons 60 pixels apart, centres at (530, 235 + 60 i).
class CountingScreen : public MenuScreen {
 public:
  using MenuScreen::MenuScreen;
  static std::shared_ptr<CountingScreen> Create(MenuHost& host) {
    auto screen = std::make_shared<CountingScreen>(host);
    screen->Init(430, 145, 5, 4, 5, 100, 90, 154, 30, 30, "submenu1.png", "menuOptions.png", 7, "", 0, 0);
    screen->state = Hidden;
    return screen;
  }
  void Activate(bool byMouse) override { activations.push_back(byMouse); }
  std::vector<bool> activations;
};

class MenuScreenTest : public MenuTest {
 protected:
  void SetUp() override {
    MenuTest::SetUp();
    MoveMouseTo(5, 5);
    screen = CountingScreen::Create(*gameController);
    screen->Show();
    Run(MenuScreen::FullFade);
  }
  // One step of the counting screen alone.
  void Run(int steps) {
    for (int i = 0; i < steps; ++i) {
      clock.Advance(StepMs);
      screen->Update(false);
      platform::EndInputStep();
    }
  }
  std::shared_ptr<CountingScreen> screen;
};

TEST_F(MenuScreenTest, UpDownWrapRoundAndLeftRightJumpToTheirTargets) {
  EXPECT_EQ(screen->selected, 0);
  Press(SDLK_UP);
  Run(1);
  EXPECT_EQ(screen->selected, 4);
  Press(SDLK_DOWN);
  Run(1);
  EXPECT_EQ(screen->selected, 0);
  Press(SDLK_LEFT);
  Run(1);
  EXPECT_EQ(screen->selected, 4);
  Press(SDLK_RIGHT);  // a target equal to the button count is button 0
  Run(1);
  EXPECT_EQ(screen->selected, 0);
  EXPECT_TRUE(Logged("Right to 5"));

  // The main menu: Left selects Quit, Right selects Play.
  mainMenu->Select(1);
  gameController->SetActiveScreen(0);
  Press(SDLK_LEFT);
  Steps(1);
  EXPECT_EQ(mainMenu->selected, MainMenu::Quit);
  Press(SDLK_RIGHT);
  Steps(1);
  EXPECT_EQ(mainMenu->selected, MainMenu::Play);
}

TEST_F(MenuScreenTest, HeldDownMovesAtThePressThenEachTimeMoreThan250MsHavePassed) {
  Key(SDLK_DOWN, true);
  std::vector<int> moves;  // step numbers at which the selection moved
  int last = screen->selected;
  for (int step = 0; step < 40; ++step) {
    Run(1);
    if (screen->selected != last) moves.push_back(step);
    last = screen->selected;
  }
  // 15 steps of 17 ms are 255 ms, the first span above 250 ms.
  EXPECT_EQ(moves, (std::vector<int>{0, 15, 30}));
  Key(SDLK_DOWN, false);
  Run(20);
  EXPECT_EQ(screen->selected, 3);
  EXPECT_EQ(gameController->GetActiveScreen(), 7);
}

// The level select walks on through the plates as long as an arrow is held,
// at the menus' pace, and stops at the last level reached.
TEST_F(MenuScreenTest, AnArrowHeldWalksTheLevelSelectOnToTheLastLevelReached) {
  for (int n = 0; n < 3; ++n) progress->MarkLevelFinished(n, 1);
  LevelSelect& select = *gameController->screens.levelSelect;
  select.ShowAt(0);
  Steps(MenuScreen::FullFade);
  Key(SDLK_RIGHT, true);
  std::vector<int> moves;  // step numbers at which the selection moved
  for (int step = 0, last = select.selected; step < 60; ++step) {
    Steps(1);
    if (select.selected != last) moves.push_back(step);
    last = select.selected;
  }
  Key(SDLK_RIGHT, false);
  EXPECT_EQ(moves, (std::vector<int>{0, 15, 30}));
  EXPECT_EQ(select.selected, 3);
}

// With Up and Down both held, the presses are taken Down first, but the
// repeat that follows goes up.
TEST_F(MenuScreenTest, HeldUpAndDownPressDownFirstAndRepeatUp) {
  screen->Select(2);
  Key(SDLK_UP, true);
  Key(SDLK_DOWN, true);
  std::vector<std::pair<int, int>> moves;  // (step, selection) at each move
  int last = screen->selected;
  for (int step = 0; step < 35; ++step) {
    Run(1);
    if (screen->selected != last) moves.emplace_back(step, screen->selected);
    last = screen->selected;
  }
  Key(SDLK_UP, false);
  Key(SDLK_DOWN, false);
  EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{0, 3}, {1, 2}, {16, 1}, {31, 0}}));
}

TEST_F(MenuScreenTest, ActivationWaitsMoreThan600MsAfterShowingAndAfterEachActivation) {
  screen->Hide();
  screen->Show();
  gameController->SetActiveScreen(7);
  Key(SDLK_RETURN, true);
  Run(35);  // 595 ms
  EXPECT_TRUE(screen->activations.empty());
  Run(1);
  ASSERT_EQ(screen->activations.size(), 1u);
  EXPECT_FALSE(screen->activations[0]);
  Run(35);
  EXPECT_EQ(screen->activations.size(), 1u);
  Run(1);  // held, it repeats every 600 ms
  EXPECT_EQ(screen->activations.size(), 2u);
  Key(SDLK_RETURN, false);

  // Another screen's keyboard does not activate this one; its mouse still does.
  gameController->SetActiveScreen(0);
  clock.Advance(1000);
  Key(SDLK_SPACE, true);
  Run(1);
  EXPECT_EQ(screen->activations.size(), 2u);
  Key(SDLK_SPACE, false);
  Button(true);
  Run(1);
  Button(false);
  ASSERT_EQ(screen->activations.size(), 3u);
  EXPECT_TRUE(screen->activations[2]);
}

TEST_F(MenuScreenTest, MouseSelectsOnlyWhenItMovesAndOverNoButtonNothingActivates) {
  MoveMouseTo(530, 295);  // button 1
  Run(1);
  EXPECT_EQ(screen->selected, 1);
  MoveMouseTo(300, 50);  // over no button
  Run(1);
  EXPECT_EQ(screen->noSelection, 1);
  EXPECT_EQ(screen->selected, 1);
  // Enter with nothing highlighted only highlights the first button.
  Key(SDLK_RETURN, true);
  Button(true);
  Run(40);
  EXPECT_TRUE(screen->activations.empty());
  EXPECT_EQ(screen->noSelection, 0);
  EXPECT_EQ(screen->selected, 0);
  Key(SDLK_RETURN, false);
  Button(false);

  // The keyboard chooses; a mouse that moves by one pixel leaves the choice alone.
  Press(SDLK_DOWN);
  Run(1);
  EXPECT_EQ(screen->selected, 1);
  MoveMouseTo(301, 51);
  Button(true);
  Run(1);
  Button(false);
  ASSERT_EQ(screen->activations.size(), 1u);
  EXPECT_EQ(screen->selected, 1);
}

TEST_F(MenuScreenTest, ButtonRectanglesIncludeTheirTopLeftEdgeOnly) {
  // Button 0: centre (530, 235), 154 x 30.
  EXPECT_EQ(screen->ButtonAt(453, 220), 0);
  EXPECT_EQ(screen->ButtonAt(606, 249), 0);
  EXPECT_EQ(screen->ButtonAt(452, 220), MenuScreen::NoButton);
  EXPECT_EQ(screen->ButtonAt(607, 235), MenuScreen::NoButton);
  EXPECT_EQ(screen->ButtonAt(530, 250), MenuScreen::NoButton);
  EXPECT_EQ(screen->ButtonAt(530, 475), 4);
}

TEST_F(MenuScreenTest, BlockedScreenFadesButIgnoresInput) {
  screen->Close();
  screen->Show();
  screen->inputBlocked = 1;
  const int fade = screen->fade;
  MoveMouseTo(530, 295);
  Key(SDLK_RETURN, true);
  Button(true);
  clock.Advance(1000);
  Run(1);
  EXPECT_EQ(screen->fade, fade + 1);
  EXPECT_EQ(screen->selected, 0);
  EXPECT_TRUE(screen->activations.empty());
}

TEST_F(MenuScreenTest, CloseHideAndShowWhileFadingOut) {
  EXPECT_EQ(gameController->GetActiveScreen(), 7);
  screen->Close();
  EXPECT_EQ(gameController->GetActiveScreen(), 0);
  Run(10);
  EXPECT_EQ(screen->state, MenuScreen::FadingOut);
  EXPECT_EQ(screen->fade, 30);

  // Showing again turns the fade round where it stands, with the page-turn sound.
  const int channel = soundManager->currentEffectChannel;
  screen->Show();
  EXPECT_NE(soundManager->currentEffectChannel, channel);
  EXPECT_EQ(gameController->GetActiveScreen(), 7);
  Run(10);
  EXPECT_EQ(screen->fade, 40);
  EXPECT_EQ(screen->state, MenuScreen::Shown);

  screen->Hide();
  EXPECT_EQ(screen->fade, 0);
  gameController->SetActiveScreen(2);
  screen->Close();  // hidden: nothing happens
  EXPECT_EQ(screen->state, MenuScreen::Hidden);
  EXPECT_EQ(gameController->GetActiveScreen(), 2);
  screen->Hide();
  EXPECT_EQ(gameController->GetActiveScreen(), 0);
}

// Faded to nothing, a screen (the world map under every level, say) changes no
// pixel and costs nothing: none of its pictures is drawn or made a texture.
TEST_F(MenuScreenTest, AScreenFadedToNothingDrawsNothing) {
  screen->Hide();
  ClearTo(20, 40, 60);
  const uint32_t before = GrabFrame().At(530, 235);
  screen->Draw(false);
  worldMap->Draw(false);
  EXPECT_EQ(GrabFrame().At(530, 235), before);
  EXPECT_EQ(screen->background->frames[0].texture, 0u);
  EXPECT_EQ(screen->buttonStrip->frames[0].texture, 0u);
  EXPECT_FALSE(worldMap->background) << "the hidden map holds no picture at all";
  screen->fade = 1;
  screen->Draw(false);
  EXPECT_NE(screen->background->frames[0].texture, 0u);
}

// Under a level the main menu holds none of its pictures; read again, they
// draw the very same menu.
TEST_F(MenuScreenTest, AMenuLetsItsPicturesGoAndReadsThemAgainAsTheyWere) {
  auto frame = [this] {
    ClearTo(0, 0, 0);
    gameController->DrawMenuFrame();
    const Frame grabbed = GrabFrame();
    std::vector<uint32_t> pixels;
    for (int y = 0; y < 600; y += 7) {
      for (int x = 0; x < 800; x += 5) pixels.push_back(grabbed.At(x, y));
    }
    return pixels;
  };
  mainMenu->Select(MainMenu::Options);
  const auto before = frame();
  mainMenu->ReleasePictures();
  EXPECT_FALSE(mainMenu->background || mainMenu->buttonStrip || mainMenu->foreImage);
  mainMenu->RestorePictures();
  ASSERT_TRUE(mainMenu->background && mainMenu->buttonStrip);
  EXPECT_EQ(mainMenu->buttonStrip.Frames(), 10);
  EXPECT_EQ(frame(), before);

  // Only what was let go is read again: a picture put in place stays.
  const platform::TImage own = platform::CreateImage(8, 8, 1);
  mainMenu->background = own;
  mainMenu->RestorePictures();
  EXPECT_EQ(mainMenu->background, own);
}

TEST_F(MenuScreenTest, MainMenuDrawsItsPictureWithTheSelectionHighlighted) {
  ClearTo(0, 0, 0);
  mainMenu->Select(MainMenu::Play);
  gameController->DrawMenuFrame();
  const uint32_t playLit = GrabFrame().At(226 - 100, 242);
  mainMenu->Select(MainMenu::Options);
  gameController->DrawMenuFrame();
  const Frame optionsLit = GrabFrame();
  EXPECT_NE(optionsLit.At(226 - 100, 242), playLit);
  EXPECT_NE(optionsLit.At(700, 100), 0u);  // the picture covers the frame
}

}  // namespace
