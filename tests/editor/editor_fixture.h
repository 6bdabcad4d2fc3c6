#pragma once
// The level screen of the developer build: the version box recorded instead
// of shown, and the real display open so that pushed SDL events reach the
// editor's keys.

#include <SDL.h>

#include <string>
#include <vector>

#include "app/developer_mode.h"
#include "app/play_screen_fixture.h"
#include "puzzle/map_solver.h"

// Rows padded with walls to the full board, so no cell is left void.
inline Picture Walled(Picture rows) {
  rows.resize(board::Height);
  for (auto& row : rows) row.resize(board::Width, '#');
  return rows;
}

class EditorTest : public PlayScreenTest {
 protected:
  void SetUp() override {
    PlayScreenTest::SetUp();
    DeveloperMode = 1;
    platform::SetNotifyHook([this](const std::string& text, bool) { notices.push_back(text); });
  }
  void TearDown() override {
    platform::SetNotifyHook({});
    EditorMode = 0;
    DeveloperMode = 0;
    PlayScreenTest::TearDown();
  }

  // A key pressed and let go before the next step.
  void Tap(SDL_Keycode key) {
    PushKey(key, true);
    PushKey(key, false);
    Step();
  }
  // The pointer over a cell and the input poll that reads it, then one step.
  void StepWithPointerOn(int x, int y) {
    PushMotion(CellPixelX(x), CellPixelY(y));
    input.Poll(*inGameButtons, level);
    Step();
  }
  // A button pressed or let go with the pointer over a cell.
  static void PushButton(Uint8 button, bool down, int x, int y) {
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.button = button;
    e.button.x = CellPixelX(x);
    e.button.y = CellPixelY(y);
    SDL_PushEvent(&e);
  }
  int Distance(int x, int y, int state) const { return gameController->mapSolver.distance[x][y][state]; }

  std::vector<std::string> notices;
};
