#pragma once
// The level screen with the real display open: pushed SDL events drive the
// in-game input, and the controller's loops run on a fake clock.

#include <SDL.h>

#include "platform/render/graphics.h"
#include "platform/host/platform.h"
#include "app/game_level_fixture.h"
#include "support/fake_clock.h"

class PlayScreenTest : public GameLevelTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(platform::InitPlatform());
    ASSERT_TRUE(platform::OpenGraphics(800, 600, 0, 60, 0)) << platform::LastDisplayError();
    GameLevelTest::SetUp();
  }
  void TearDown() override {
    GameLevelTest::TearDown();
    platform::ShutdownPlatform();
  }

  static void PushKey(SDL_Keycode key, bool down) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
  }
  static void PushMotion(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    SDL_PushEvent(&e);
  }
  static void PushClick(Uint8 button, int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = button;
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
    e.type = SDL_MOUSEBUTTONUP;
    SDL_PushEvent(&e);
  }
  static void PushQuit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
  }
  // Screen pixel at the centre of a board cell, as the pointer sees it.
  static int CellPixelX(int x) { return 64 + 32 * x + 16; }
  static int CellPixelY(int y) { return 64 + 32 * y + 16; }
};
