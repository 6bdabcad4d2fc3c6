// Hint pages: their pictures, their silent opening, and closing on any input
// once faded in.

#include "menu_fixture.h"
#include "menus/hint_pages_menu.h"
#include "menus/tutorial_page.h"

namespace {

using TutorialPageTest = MenuTest;

TEST_F(TutorialPageTest, PagesOpenSilentlyAndCloseOnTheFirstInputAfterFadingIn) {
  for (int i = 0; i < TutorialPage::kTexts; ++i) {
    EXPECT_EQ(TutorialPage::LoadText(i).Width(), 640) << i;
    EXPECT_EQ(TutorialPage::LoadText(i).Height(), 448) << i;
  }
  EXPECT_FALSE(TutorialPage::LoadText(TutorialPage::kTexts));
  EXPECT_FALSE(TutorialPage::LoadText(-1));
  auto page = TutorialPage::Create(*gameController, 3);
  EXPECT_EQ(page->buttonStrip.Width(), 640);
  EXPECT_FALSE(TutorialPage::Create(*gameController, 10)->buttonStrip);
  EXPECT_EQ(page->state, MenuScreen::Hidden);
  const int channel = soundManager->currentEffectChannel;
  page->Show();
  EXPECT_EQ(soundManager->currentEffectChannel, channel);
  EXPECT_EQ(gameController->GetActiveScreen(), 1);

  SDL_Event typed{};
  typed.type = SDL_TEXTINPUT;
  typed.text.text[0] = 'q';
  for (int i = 0; i < MenuScreen::FullFade - 1; ++i) {
    SDL_PushEvent(&typed);
    Button(i % 2 == 0);
    page->Update(false);
    platform::EndInputStep();
  }
  EXPECT_EQ(page->state, MenuScreen::FadingIn);
  Button(false);
  platform::GetChar();
  page->Update(false);
  EXPECT_EQ(page->state, MenuScreen::Shown);
  page->Update(true);  // suppressed input
  SDL_PushEvent(&typed);
  page->Update(true);
  EXPECT_EQ(page->state, MenuScreen::Shown);
  page->Update(false);
  EXPECT_EQ(page->state, MenuScreen::FadingOut);
}

TEST_F(TutorialPageTest, EveryArrowEnterAndSpaceClosesAShownPage) {
  for (SDL_Keycode key : {SDLK_DOWN, SDLK_UP, SDLK_LEFT, SDLK_RIGHT, SDLK_RETURN, SDLK_SPACE}) {
    auto page = TutorialPage::Create(*gameController, 1);
    page->Show();
    for (int i = 0; i < MenuScreen::FullFade; ++i) page->Update(false);
    ASSERT_EQ(page->state, MenuScreen::Shown);
    Key(key, true);
    page->Update(false);
    Key(key, false);
    EXPECT_EQ(page->state, MenuScreen::FadingOut) << SDL_GetKeyName(key);
  }
}

TEST_F(TutorialPageTest, ThePictureLiesOnTheBlankSheetAtTheTopLeftOfTheBoard) {
  auto blankOnly = TutorialPage::Create(*gameController, 42);  // no such picture: the sheet alone
  auto page = TutorialPage::Create(*gameController, 0);
  blankOnly->fade = page->fade = MenuScreen::FullFade;
  ClearTo(0, 0, 0);
  blankOnly->Draw(false);
  const Frame blank = GrabFrame();
  EXPECT_EQ(blank.At(63, 288), 0u);
  EXPECT_NE(blank.At(64, 288), 0u);
  EXPECT_NE(blank.At(703, 288), 0u);
  EXPECT_EQ(blank.At(704, 288), 0u);
  std::vector<uint32_t> sheet, withText;
  for (int x = 64; x < 704; x += 7) sheet.push_back(blank.At(x, 120));
  page->Draw(false);
  const Frame drawn = GrabFrame();
  for (int x = 64; x < 704; x += 7) withText.push_back(drawn.At(x, 120));
  EXPECT_NE(sheet, withText);
}

}  // namespace

// From the Instructions, Right (or a click on the text's last line) opens the
// pages seen so far; Left and Right turn them, round; any other key goes back.
TEST_F(TutorialPageTest, TheInstructionsOpenTheHintPagesSeenSoFar) {
  HintPagesMenu& pages = *gameController->screens.hintPagesMenu;
  ShowFully(*instructionsMenu);
  Press(SDLK_RIGHT);
  Steps(1);
  EXPECT_EQ(pages.state, MenuScreen::Hidden) << "no page seen yet";
  EXPECT_EQ(gameController->GetActiveScreen(), instructionsMenu->screenId);

  progress->MarkTutorialSeen(2);
  progress->MarkTutorialSeen(5);
  Press(SDLK_RIGHT);
  Steps(MenuScreen::FullFade);
  ASSERT_EQ(pages.state, MenuScreen::Shown);
  EXPECT_EQ(instructionsMenu->state, MenuScreen::Hidden);
  EXPECT_EQ(pages.pages, (std::vector<int>{2, 5}));
  std::vector<size_t> shown;
  for (SDL_Keycode key : {SDLK_RIGHT, SDLK_RIGHT, SDLK_LEFT}) {
    Press(key);
    Steps(1);
    shown.push_back(pages.shown);
  }
  EXPECT_EQ(shown, (std::vector<size_t>{1, 0, 1}));
  EXPECT_TRUE(pages.buttonStrip);
  Press(SDLK_ESCAPE);
  Steps(MenuScreen::FullFade + 1);
  EXPECT_EQ(pages.state, MenuScreen::Hidden);
  EXPECT_NE(instructionsMenu->state, MenuScreen::Hidden);
}
