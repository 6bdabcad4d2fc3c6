#pragma once
// The real game started as the program starts it, in a temporary folder that
// holds the shipped levels and the built media, on a fake clock, with the
// player's keys injected pass by pass.

#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>
#include <functional>
#include <map>
#include <vector>

#include "app/game_controller.h"
#include "app/program.h"
#include "platform/host/platform.h"
#include "platform/stream_temp_folder.h"
#include "puzzle/ball.h"
#include "puzzle/level_solver.h"
#include "puzzle/level_start.h"
#include "puzzle/map.h"
#include "services/resources.h"
#include "support/fake_clock.h"
#include "support/game_paths.h"

class GameSession : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy(SourceDir() + "/levels", folder.Path() / "levels");
    std::filesystem::create_directory_symlink(std::filesystem::path(GameDir()) / "media", folder.Path() / "media");
    fake.extraPerSleep = 16;  // about one step per pass of a loop
    ASSERT_TRUE(platform::InitPlatform());
  }
  // As the program ends: the display closed and forgotten, so that the next
  // session's start-up opens its own.
  void TearDown() override {
    gameController.reset();
    Resources::CloseDisplay();
    platform::ShutdownPlatform();
  }

 public:
  static void PushKey(SDL_Keycode key, bool down) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
  }
  static void PushQuit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
  }
  static SDL_Keycode KeyFor(int direction) {
    switch (direction) {
      case 1: return SDLK_UP;
      case 2: return SDLK_RIGHT;
      case 3: return SDLK_DOWN;
      default: return SDLK_LEFT;
    }
  }

  // The shortest solution of each shipped level, from the level files themselves.
  static std::vector<int> SolutionOf(int level) {
    const auto map = mapType::Create(level);
    return SolveLevel(*map).moves;
  }

  TempFolder folder;
  FakeClock fake;
  // Made by the start-up, as the program makes it.
  std::shared_ptr<GameController> gameController;
};

// Plays whatever level is current by its solution: a key is held from a pass
// where the ball rests until the ball starts rolling, then let go.
class SolutionPlayer {
 public:
  // The session's game, once started.
  explicit SolutionPlayer(const std::shared_ptr<GameController>& game) : gameController(game) {}

  // Call once per pass; false once it has nothing more to do this pass.
  void Pass() {
    if (!gameController->level.CurrentMap || !gameController->level.CurrentMap->ball || (gameController->level.LevelStart && gameController->level.LevelStart->IsPending())) return Release();
    const int level = gameController->level.CurrentMap->number;
    if (level != level_) {
      level_ = level;
      moves_ = GameSession::SolutionOf(level);
      next_ = 0;
    }
    if (gameController->level.CurrentMap->ball->direction != 0) return Release();
    if (held_ || next_ >= moves_.size()) return;
    held_ = GameSession::KeyFor(moves_[next_++]);
    GameSession::PushKey(held_, true);
  }
  int Level() const { return level_; }

 private:
  const std::shared_ptr<GameController>& gameController;
  void Release() {
    if (held_) GameSession::PushKey(held_, false);
    held_ = 0;
  }
  int level_ = -1;
  std::vector<int> moves_;
  size_t next_ = 0;
  SDL_Keycode held_ = 0;
};
