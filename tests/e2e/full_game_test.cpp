// The whole game as a player goes through it, from a first run with no files:
// the logo, the main menu, every shipped level solved with the solver's moves
// as arrow keys through every hand-over, hint page and world map, a trip to
// the menu and back, the journey's end, the options, and Quit; then the files
// left on disk.

#include <array>
#include <cstring>
#include <functional>
#include <set>

#include "e2e/game_session.h"
#include "menus/main_menu.h"
#include "menus/options_menu.h"
#include "menus/screens.h"
#include "menus/world_map.h"
#include "puzzle/board.h"
#include "services/progress.h"
#include "services/sound_manager.h"

namespace {

using Solutions = std::array<std::vector<int>, levels::Last + 1>;

// Holds the next arrow of the current level's solution while the ball rests,
// and lets go once it rolls. An arrow held while a hint page or the world map
// covers the board is what closes them.
class Player {
 public:
  Player(const Solutions& solutions, const std::shared_ptr<GameController>& game)
      : solutions_(solutions), gameController(game) {}

  void Pass() {
    if (!gameController->level.CurrentMap || !gameController->level.CurrentMap->ball || gameController->level.LevelStart->IsPending() || gameController->level.CurrentMap->ball->direction != 0) {
      return Release();
    }
    const int level = gameController->level.CurrentMap->number;
    if (level != level_) {
      level_ = level;
      next_ = 0;
    }
    if (held_ || level < 0 || level > levels::Last || next_ >= solutions_[level].size()) return;
    held_ = GameSession::KeyFor(solutions_[level][next_++]);
    GameSession::PushKey(held_, true);
  }
  // Nothing held, the ball at rest under the player's control.
  bool Idle() const {
    const bool covered = (gameController->popup && gameController->popup->state != 0) || gameController->screens.worldMap->state != 0;
    return held_ == 0 && !covered && !gameController->level.LevelStart->IsPending() && gameController->level.CurrentMap->ball->direction == 0;
  }

 private:
  void Release() {
    if (held_) GameSession::PushKey(held_, false);
    held_ = 0;
  }
  const Solutions& solutions_;
  const std::shared_ptr<GameController>& gameController;
  int level_ = -1;
  size_t next_ = 0;
  SDL_Keycode held_ = 0;
};

// A key held from one pass until what it should bring about has happened.
struct Hold {
  SDL_Keycode key;
  std::function<bool()> done;
};

}  // namespace

TEST_F(GameSession, EveryShippedLevelFromTheLogoToQuit) {
  // Worked out before the game exists, so that loading a level here opens no hint page.
  Solutions solutions;
  for (int level = 0; level <= levels::Last; ++level) {
    solutions[level] = SolutionOf(level);
    ASSERT_FALSE(solutions[level].empty()) << level;
  }
  // Three or four steps per pass, each pass drawing its frame. Never five: a
  // one-cell roll would then end and start again on the same held arrow.
  fake.extraPerSleep = 65;

  gameController = StartUp();
  ASSERT_TRUE(gameController);
  Player player(solutions, gameController);
  auto menus = [&] { return gameController->runMode == 1; };
  auto playing = [&] { return gameController->runMode == 0; };
  const std::vector<Hold> script = {
      {SDLK_RETURN, playing},  // Play, selected from the start
      {0, [&] { return gameController->level.CurrentMap->number == 40 && player.Idle(); }},
      {SDLK_ESCAPE, menus},
      {SDLK_RETURN, playing},
      {0, [&] { return gameController->progress->LevelState(levels::Last) == Progress::Solved; }},
      // The journey's end: the world map, then (a fresh press) the closing page.
      {SDLK_RETURN, [&] { return gameController->screens.worldMap->state == MenuScreen::FadingOut; }},
      // The page comes the step after the map has gone.
      {0, [&] {
         const auto& page = gameController->popup;
         return gameController->screens.worldMap->state == 0 && page && page->state == MenuScreen::Shown;
       }},
      {SDLK_RETURN, menus},
      {SDLK_DOWN, [&] { return gameController->screens.mainMenu->selected == MainMenu::Options; }},
      {SDLK_RETURN, [&] { return gameController->screens.optionsMenu->state != MenuScreen::Hidden; }},
      {SDLK_DOWN, [&] { return gameController->screens.optionsMenu->selected == OptionsMenu::EffectsVolume; }},
      {SDLK_RETURN, [&] { return gameController->soundManager->effectsVolume == 1.5f; }},
      {SDLK_DOWN, [&] { return gameController->screens.optionsMenu->selected == OptionsMenu::Back; }},
      {SDLK_RETURN, [&] { return gameController->screens.optionsMenu->state == MenuScreen::FadingOut; }},
      {SDLK_LEFT, [&] { return gameController->screens.mainMenu->selected == MainMenu::Quit; }},
      {SDLK_RETURN, [&] { return gameController->runMode == 2; }},
  };

  size_t line = 0;
  bool pressed = false;
  int passes = 0;
  int mapsShown = 0;
  bool mapUp = false;
  std::set<std::shared_ptr<MenuScreen>> pagesShown;  // held, so no two share an address
  std::vector<int> levelsEntered;
  fake.onSleep = [&] {
    if (!gameController || !gameController->screens.worldMap || !gameController->level.CurrentMap) return;  // still starting up
    if (++passes > 400000) return PushQuit();
    if (gameController->screens.worldMap->state != 0 && !mapUp) ++mapsShown;
    mapUp = gameController->screens.worldMap->state != 0;
    if (gameController->popup && gameController->popup->state != 0) pagesShown.insert(gameController->popup);
    if (levelsEntered.empty() || levelsEntered.back() != gameController->level.CurrentMap->number) levelsEntered.push_back(gameController->level.CurrentMap->number);

    if (line < script.size() && script[line].done()) {
      if (pressed) PushKey(script[line].key, false);
      pressed = false;
      ++line;
    }
    if (line < script.size() && script[line].key != 0 && !pressed) {
      PushKey(script[line].key, true);
      pressed = true;
    }
    if (line < script.size() && script[line].key == 0 && gameController->runMode == 0) player.Pass();
  };
  gameController->Start();
  if (line + 1 == script.size() && script.back().done()) ++line;  // Quit ends the loops at once

  EXPECT_EQ(line, script.size()) << "stopped waiting at line " << line << " after " << passes << " passes";
  std::vector<int> expectedLevels;
  for (int level = 0; level <= levels::Last; ++level) expectedLevels.push_back(level);
  EXPECT_EQ(levelsEntered, expectedLevels);  // the last level waits behind the menus again
  EXPECT_EQ(gameController->level.CurrentMap->number, levels::Last);
  EXPECT_EQ(mapsShown, 17);          // after the fifth level of every full group, and at the end
  EXPECT_EQ(pagesShown.size(), 8u);  // levels 0, 3, 4, 6, 9, 13 and 80, and the closing page

  const std::vector<uint8_t> save = folder.Bytes("save0.dat");
  ASSERT_EQ(save.size(), 510u);
  for (int level = 0; level <= levels::Last; ++level) EXPECT_EQ(save[level], Progress::Solved) << level;
  EXPECT_EQ(save[levels::Last + 1], Progress::Locked);  // the journey goes no further
  for (int page = 0; page < Progress::TutorialPageCount; ++page) EXPECT_EQ(save[500 + page], page <= 6) << page;

  const std::vector<uint8_t> identifier = folder.Bytes("uniqueID.idn");
  ASSERT_EQ(identifier.size(), 6u);
  EXPECT_EQ(identifier[4] | identifier[5] << 8, 1);  // the next run is session 1

  const std::vector<uint8_t> options = folder.Bytes("options.dat");
  ASSERT_EQ(options.size(), 12u);
  float effects = 0, music = 0;
  int32_t fullScreen = -1;
  std::memcpy(&effects, options.data(), 4);
  std::memcpy(&music, options.data() + 4, 4);
  std::memcpy(&fullScreen, options.data() + 8, 4);
  EXPECT_EQ(effects, 1.5f);
  EXPECT_EQ(music, 0.0f);
  EXPECT_EQ(fullScreen, 0);
}
