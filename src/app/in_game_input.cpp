#include "app/in_game_input.h"

#include "app/in_game_buttons.h"
#include "platform/host/diagnostics.h"
#include "platform/host/input.h"
#include "puzzle/ball.h"
#include "puzzle/editor_mode.h"
#include "puzzle/level_state.h"

using namespace platform;

namespace {

constexpr int kBoardAction = 8;

// The keys of the player's aids, each acting once per press.
constexpr int kUndoKey = 'Z';
constexpr int kUndoKeyToo = 8;  // Backspace, and the pad's X
constexpr int kHintKey = 'H';   // and the pad's Y

}  // namespace

void InputState::RequestDirection(int direction) {
  switch (direction) {
    case 1: requestUp = 1; break;
    case 2: requestRight = 1; break;
    case 3: requestDown = 1; break;
    case 4: requestLeft = 1; break;
    default: break;
  }
}

void InputState::Poll(const InGameButtons& buttons, const LevelState& level) {
  ClearRequests();
  pointerX = MouseX();
  pointerY = MouseY();
  if (pointerX == previousPointerX && pointerY == previousPointerY) {
    stillCount += 1;
    if (stillCount > IdlePolls) mouseIdle = 1;
  } else {
    stillCount = 0;
    mouseIdle = 0;
  }
  previousPointerX = pointerX;
  previousPointerY = pointerY;

  // Left and right clicks act alike; a right click in the same poll waits for the next.
  int clicked = MouseHit(1);
  if (clicked == 0) clicked = MouseHit(2);
  const int action = clicked != 0 ? buttons.ButtonAt(pointerX, pointerY, level) : -1;

  // A click on the board moves the ball the way its arrow points, and nothing
  // else is read in this poll.
  if (action == kBoardAction) {
    if (level.CurrentMap && level.CurrentMap->ball) RequestDirection(level.CurrentMap->ball->hoverDirection);
    return;
  }

  bool arrowHeld = true;
  if (KeyDown(38)) {
    requestUp = 1;
  } else if (KeyDown(37)) {
    requestLeft = 1;
  } else if (KeyDown(39)) {
    requestRight = 1;
  } else if (KeyDown(40)) {
    requestDown = 1;
  } else {
    arrowHeld = false;
  }
  // Playing with the keys hides the pointer's arrow until the pointer moves.
  if (arrowHeld) stillCount = IdlePolls + 1;

  // One restart per press of R: held, it would restart (and flash) every pass.
  const int restartHits = KeyHit(82);
  if (restartHits != 0 || KeyDown(82)) {
    if (restartHits != 0) requestRestart = 1;
  } else if (KeyDown(83)) {
    requestSkip = 1;
  } else if (KeyDown(27)) {
    requestMenu = 1;
    DebugLog("--- escape key pressed");
  }

  // In the editor Z randomizes the map: its press is left for the editor's keys.
  if (EditorMode == 0) {
    // Both keys are read, so that a press of one is not left waiting for the next poll.
    const bool undoHit = KeyHit(kUndoKey) != 0;
    const bool undoHitToo = KeyHit(kUndoKeyToo) != 0;
    if (undoHit || undoHitToo) requestUndo = 1;
    if (KeyHit(kHintKey) != 0) requestHint = 1;
  }

  if (action == 1) {
    requestRestart = 1;
  } else if (action == 2) {
    requestSkip = 1;
  } else if (action == 0) {
    requestMenu = 1;
    DebugLog("--- Menu button pressed");
  }
}

// A key or button held into the menus (or into the next level) acts there only
// when pressed again.
void InputState::ResetInput() {
  ClearRequests();
  platform::FlushKeys();
  platform::FlushMouse();
}

void InputState::ClearRequests() {
  requestUp = 0;
  requestDown = 0;
  requestLeft = 0;
  requestRight = 0;
  requestRestart = 0;
  requestSkip = 0;
  requestMenu = 0;
  requestUndo = 0;
  requestHint = 0;
}

PlayRequests InputState::Requests() const {
  PlayRequests requests;
  requests.up = requestUp != 0;
  requests.down = requestDown != 0;
  requests.left = requestLeft != 0;
  requests.right = requestRight != 0;
  requests.restart = requestRestart != 0;
  requests.skip = requestSkip != 0;
  requests.undo = requestUndo != 0;
  requests.hint = requestHint != 0;
  return requests;
}

int InputState::CellX(int x) { return (x - 64) / board::CellSize; }

int InputState::CellY(int y) { return (y - 64) / board::CellSize; }
