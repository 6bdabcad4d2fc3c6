// The controls screen under Options, driven by keys and clicks.

#include "menu_fixture.h"
#include "menus/controls_menu.h"

namespace {

class ControlsTest : public MenuTest {
 protected:
  void SetUp() override {
    MenuTest::SetUp();
    MoveMouseTo(5, 5);
    Steps(1);
  }
  // The row of `action` highlighted and Enter pressed on it.
  void Choose(int row) {
    menu().Select(row);
    clock.Advance(700);
    Press(SDLK_RETURN);
    Steps(1);
  }
  ControlsMenu& menu() { return *gameController->screens.controlsMenu; }
  Controls& controls() { return gameController->settings.controls; }
};

constexpr int Row(Action action) { return static_cast<int>(action); }

TEST_F(ControlsTest, ARowTakesTheNextKeyAndOneInUseIsRefusedWithAWord) {
  ShowFully(*optionsMenu);
  optionsMenu->Select(OptionsMenu::Controls);
  clock.Advance(700);
  Press(SDLK_RETURN);
  Steps(MenuScreen::FullFade);
  ASSERT_EQ(menu().state, MenuScreen::Shown);
  EXPECT_EQ(gameController->GetActiveScreen(), menu().screenId);

  Choose(Row(Action::Undo));
  ASSERT_EQ(menu().waitingFor, Action::Undo);
  Press(SDLK_u);
  Steps(1);
  EXPECT_EQ(controls().KeyNames(Action::Undo), "U");
  EXPECT_EQ(menu().word, "Undo is now U");

  Choose(Row(Action::Restart));
  Press(SDLK_u);
  Steps(1);
  EXPECT_EQ(controls().KeyNames(Action::Restart), "R");
  EXPECT_EQ(menu().word, "U is already Undo: nothing changed");

  Choose(Row(Action::Hint));
  Button(true);
  Button(false);
  Steps(1);
  EXPECT_FALSE(menu().waitingFor);
  EXPECT_EQ(controls().KeyNames(Action::Hint), "H");

  Choose(ControlsMenu::DefaultsRow);
  EXPECT_EQ(controls(), Controls::Defaults());
  Choose(ControlsMenu::BackRow);
  Steps(MenuScreen::FullFade);
  EXPECT_EQ(menu().state, MenuScreen::Hidden);
  EXPECT_NE(optionsMenu->state, MenuScreen::Hidden);
}

}  // namespace
