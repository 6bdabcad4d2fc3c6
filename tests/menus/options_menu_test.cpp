// The main menu's buttons, the options screen and the reset box, driven with
// keys and the mouse through the menu loop's steps.

#include "menu_fixture.h"
#include "menus/level_select.h"
#include "menus/slider.h"
#include "puzzle/flash.h"
#include "menus/yes_no_box.h"
#include "services/level_records.h"
#include "services/resources.h"
#include "services/session_clock.h"

namespace {

// Options on screen: the box at (530, 205), the sliders' tracks from x 560 at
// y 255 (effects) and 315 (music), the reduce-flashing box at (530, 385), Reset
// at (530, 445), Back at (530, 505).
class OptionsTest : public MenuTest {
 protected:
  void SetUp() override {
    MenuTest::SetUp();
    soundManager->SetEffectsVolume(0);
    MoveMouseTo(5, 5);
    Steps(1);
    gameController->SetActiveScreen(0);
  }
  // Opens the options as the player does, from the main menu.
  void OpenOptions() {
    MoveMouseTo(226, 392);
    Steps(1);
    Button(true);
    Steps(1);
    Button(false);
    Steps(MenuScreen::FullFade);
    ASSERT_EQ(optionsMenu->state, MenuScreen::Shown);
  }
  void ClickAt(int x, int y) {
    MoveMouseTo(x, y);
    Steps(1);
    Button(true);
    Steps(1);
    Button(false);
  }
  Slider& SliderAt(int index) { return static_cast<Slider&>(*optionsMenu->buttons[index]); }
  static int Now() { return ClockSeconds() - sessionStart; }
  void ExpectRecord(const OptionLogRecord& r, int option, int time, int from, int to) {
    EXPECT_EQ(r.option, option);
    EXPECT_EQ(r.time, time);
    EXPECT_EQ(r.from, from);
    EXPECT_EQ(r.to, to);
  }
};

// Leaving by Back closes the options and leaving by Play hides them: either
// way one record per volume that differs from its value on opening.
TEST_F(OptionsTest, AVisitLogsOnlyTheVolumesThatChangedFromOpeningToLeaving) {
  OpenOptions();
  EXPECT_EQ(gameController->GetActiveScreen(), 2);
  Steps(40);
  ClickAt(530, 505);  // Back
  EXPECT_EQ(optionsMenu->state, MenuScreen::FadingOut);
  Steps(MenuScreen::FullFade);
  EXPECT_TRUE(OptionRecords().empty());

  OpenOptions();
  MoveMouseTo(610, 345);
  Steps(1);
  Button(true);
  Steps(3);
  EXPECT_FLOAT_EQ(soundManager->musicVolume, 1.0f);
  MoveMouseTo(620, 350);  // dragging: the next steps follow the mouse
  Steps(2);
  Button(false);
  EXPECT_FLOAT_EQ(soundManager->musicVolume, 1.2f);
  EXPECT_EQ(SliderAt(2).value, 60);
  EXPECT_EQ(soundManager->lastChimeTime, 0) << "only the effects slider chimes";
  clock.Advance(1000);
  ClickAt(226, 242);  // Play
  ASSERT_EQ(optionsMenu->state, MenuScreen::Hidden);
  auto records = OptionRecords();
  ASSERT_EQ(records.size(), 1u);
  ExpectRecord(*records[0], OptionLogRecord::MusicVolume, Now(), 0, 120);

  gameController->runMode = 1;
  clock.Advance(1000);
  OpenOptions();
  ClickAt(580, 260);  // the effects slider
  EXPECT_NE(soundManager->lastChimeTime, 0);
  clock.Advance(1000);
  ClickAt(530, 505);  // Back
  records = OptionRecords();
  ASSERT_EQ(records.size(), 2u);
  ExpectRecord(*records[1], OptionLogRecord::EffectsVolume, Now(), 0, 40);
}

TEST_F(OptionsTest, EnterStepsTheEffectsVolumeAndItsSliderEvery600Ms) {
  OpenOptions();
  Press(SDLK_DOWN);  // the pointer is off the panel: this only highlights the first item
  Steps(1);
  EXPECT_EQ(optionsMenu->selected, OptionsMenu::FullScreen);
  Press(SDLK_DOWN);
  Steps(1);
  ASSERT_EQ(optionsMenu->selected, OptionsMenu::EffectsVolume);
  Key(SDLK_RETURN, true);
  std::vector<std::pair<float, int>> seen;
  for (int step = 0; step < 5 * 36; ++step) {
    Steps(1);
    const std::pair<float, int> now{soundManager->effectsVolume, SliderAt(1).value};
    if (seen.empty() || seen.back() != now) seen.push_back(now);
  }
  Key(SDLK_RETURN, false);
  EXPECT_EQ(seen, (std::vector<std::pair<float, int>>{{0.5f, 25}, {1.0f, 50}, {1.5f, 75}, {2.0f, 100}, {0.0f, 0}}));

  // Left and Right move the highlighted slider a twentieth each press, held at its ends.
  const std::pair<SDL_Keycode, float> nudges[] = {
      {SDLK_RIGHT, 0.1f}, {SDLK_RIGHT, 0.2f}, {SDLK_LEFT, 0.1f}, {SDLK_LEFT, 0.0f}, {SDLK_LEFT, 0.0f}};
  for (auto [key, volume] : nudges) {
    Press(key);
    Steps(1);
    EXPECT_FLOAT_EQ(soundManager->effectsVolume, volume) << key;
    EXPECT_EQ(SliderAt(1).value, static_cast<int>(volume * 50 + 0.5f)) << key;
  }
  const float music = soundManager->musicVolume;
  Press(SDLK_DOWN);
  Steps(1);
  Press(SDLK_RIGHT);
  Steps(1);
  EXPECT_FLOAT_EQ(soundManager->musicVolume, music + 0.1f);
}

TEST_F(OptionsTest, DraggingTheEffectsSliderChimesAtMostEvery600Ms) {
  OpenOptions();
  MoveMouseTo(580, 260);
  Steps(1);
  Button(true);
  std::vector<int64_t> chimes;
  for (int step = 0; step < 60; ++step) {
    const int64_t before = soundManager->lastChimeTime;
    Steps(1);
    if (soundManager->lastChimeTime != before) chimes.push_back(soundManager->lastChimeTime);
    if (step == 30) MoveMouseTo(640, 260);
  }
  Button(false);
  ASSERT_EQ(chimes.size(), 2u);
  EXPECT_GT(chimes[1] - chimes[0], 600);
  EXPECT_FLOAT_EQ(soundManager->effectsVolume, 1.6f);

  // Far left of the track the click changes nothing, yet counts for the guard.
  clock.Advance(1000);
  ClickAt(519, 260);
  EXPECT_FLOAT_EQ(soundManager->effectsVolume, 1.6f);
  EXPECT_EQ(lastActivationTime, platform::Millisecs());
}

TEST_F(OptionsTest, FullScreenReopensTheDisplayKeepsThePicturesAndLogsTheFlags) {
  gameController->DrawMenuFrame();
  const uint32_t before = GrabFrame().At(700, 100);
  OpenOptions();
  ClickAt(530, 205);
  const int toggled = Now();
  EXPECT_EQ(fullscreen, 1);
  EXPECT_EQ(static_cast<YesNoBox&>(*optionsMenu->buttons[0]).value, 1);
  Steps(MenuScreen::FullFade);
  // Escape rather than a click on Back: the off-screen driver's full-screen
  // window scales a pushed click onto a main menu button under the panel.
  Press(SDLK_ESCAPE);
  Steps(MenuScreen::FullFade);
  ClearTo(0, 0, 0);
  gameController->DrawMenuFrame();
  EXPECT_EQ(GrabFrame().At(700, 100), before);
  const auto records = OptionRecords();
  ASSERT_EQ(records.size(), 1u);
  ExpectRecord(*records[0], OptionLogRecord::DisplayMode, toggled, 0, 1);
  Resources::ToggleFullscreen();
}

TEST_F(OptionsTest, ReduceFlashingTurnsTheRestartFlashIntoADimAndBack) {
  OpenOptions();
  for (bool reduced : {true, false}) {
    ClickAt(530, 385);
    EXPECT_EQ(gameController->settings.reduceFlashing, reduced);
    EXPECT_EQ(static_cast<YesNoBox&>(*optionsMenu->buttons[OptionsMenu::ReduceFlashing]).value, reduced ? 1 : 0);
    gameController->events.RestartFlash();
    EXPECT_EQ(gameController->flash->red, reduced ? 0 : 255);
    EXPECT_FLOAT_EQ(gameController->flash->alpha, reduced ? 1.0f / 3 : 1.0f);
    clock.Advance(1000);
  }
}

TEST_F(OptionsTest, ResetBoxYesWipesTheProgressAndRecordsAndNoLeavesThem) {
  progress->MarkLevelFinished(0, 1);
  progress->MarkLevelFinished(1, 1);
  gameController->aids.records.NoteSolved(1, 9, 9, 1);
  ASSERT_EQ(progress->currentLevel, 2);
  OpenOptions();
  int answered = 0;
  for (int answer : {ResetProfileMenu::No, ResetProfileMenu::Yes}) {
    ClickAt(530, 445);
    EXPECT_EQ(optionsMenu->inputBlocked, 1);
    EXPECT_EQ(mainMenu->inputBlocked, 1);
    EXPECT_EQ(gameController->GetActiveScreen(), 5);
    Steps(MenuScreen::FullFade);
    ClickAt(595, answer == ResetProfileMenu::Yes ? 346 : 406);
    answered = Now();
    EXPECT_EQ(resetProfileMenu->state, MenuScreen::FadingOut);
    EXPECT_EQ(optionsMenu->inputBlocked, 0);
    EXPECT_EQ(mainMenu->inputBlocked, 0);
    EXPECT_EQ(gameController->GetActiveScreen(), 2);
    Steps(MenuScreen::FullFade);
    if (answer == ResetProfileMenu::No) {
      EXPECT_EQ(progress->currentLevel, 2);
      EXPECT_EQ(gameController->Records().Of(1).bestMoves, 9);
      EXPECT_TRUE(OptionRecords().empty());
    }
  }
  EXPECT_EQ(progress->currentLevel, 0);
  EXPECT_EQ(progress->LevelState(1), Progress::Locked);
  LevelRecords saved;
  saved.Load();
  for (const LevelRecords* records : {&gameController->Records(), static_cast<const LevelRecords*>(&saved)}) {
    EXPECT_EQ(records->Of(1).bestMoves, 0);
    EXPECT_EQ(records->Of(1).hints, 0);
  }
  ASSERT_NE(gameController->level.CurrentMap, nullptr);
  EXPECT_EQ(gameController->level.CurrentMap->number, 0);
  const auto records = OptionRecords();
  ASSERT_EQ(records.size(), 1u);
  ExpectRecord(*records[0], OptionLogRecord::ProfileReset, answered, 0, 1);
}

TEST_F(OptionsTest, MainMenuButtons) {
  OpenOptions();
  Press(SDLK_DOWN);  // the options screen owns the keyboard
  Steps(1);
  EXPECT_EQ(mainMenu->selected, MainMenu::Options);
  ClickAt(226, 342);  // Instructions closes the options
  EXPECT_EQ(optionsMenu->state, MenuScreen::FadingOut);
  EXPECT_EQ(instructionsMenu->state, MenuScreen::FadingIn);
  EXPECT_EQ(gameController->GetActiveScreen(), 1);
  Steps(MenuScreen::FullFade);
  ClickAt(226, 292);  // Levels opens the level select over the instructions
  EXPECT_EQ(gameController->screens.levelSelect->state, MenuScreen::FadingIn);
  EXPECT_EQ(gameController->GetActiveScreen(), LevelSelect::ScreenId);
  Steps(MenuScreen::FullFade);
  Press(SDLK_ESCAPE);
  Steps(1);
  ClickAt(226, 242);  // Play hides them at once
  EXPECT_EQ(gameController->runMode, 0);
  EXPECT_EQ(instructionsMenu->state, MenuScreen::Hidden);
  EXPECT_EQ(mainMenu->state, MenuScreen::Shown);
  gameController->runMode = 1;
  Steps(MenuScreen::FullFade);
  ClickAt(146, 559);
  EXPECT_EQ(gameController->runMode, 2);
}

}  // namespace
