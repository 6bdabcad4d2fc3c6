#include "app/in_game_input.h"

#include <array>
#include <utility>

#include "app/in_game_buttons.h"
#include "platform/host/diagnostics.h"
#include "platform/host/input.h"
#include "puzzle/ball.h"
#include "puzzle/editor_mode.h"
#include "puzzle/level_state.h"

using namespace platform;

namespace {

constexpr int kBoardAction = 8;

}  // namespace

void InputState::RequestDirection(int way) {
  switch (way) {
    case direction::Up: requestUp = 1; break;
    case direction::Right: requestRight = 1; break;
    case direction::Down: requestDown = 1; break;
    case direction::Left: requestLeft = 1; break;
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

  // Up, left, right, down: the first that applies wins.
  constexpr std::array<std::pair<Action, int>, 4> kArrows = {{{Action::Up, direction::Up},
                                                              {Action::Left, direction::Left},
                                                              {Action::Right, direction::Right},
                                                              {Action::Down, direction::Down}}};
  std::array<bool, 4> pressed{};
  for (size_t i = 0; i < kArrows.size(); ++i) pressed[i] = controls->Hit(kArrows[i].first);
  const ballType* ball = level.CurrentMap ? level.CurrentMap->ball.get() : nullptr;
  const bool rolling = ball && ball->direction != direction::None;
  bool newPress = false, arrowHeld = false;
  for (size_t i = 0; i < kArrows.size() && !arrowHeld; ++i) {
    // While the ball rolls a new press waits for it to rest; a key held from
    // before still moves it the moment it stops.
    if (rolling && pressed[i]) {
      if (!newPress) pendingMove = kArrows[i].second;
      newPress = true;
    } else if (controls->Down(kArrows[i].first)) {
      RequestDirection(kArrows[i].second);
      arrowHeld = true;
    }
  }
  if (!rolling) {
    if (!arrowHeld && pendingMove != direction::None) RequestDirection(pendingMove);
    pendingMove = direction::None;
  }
  // Playing with the keys hides the pointer's arrow until the pointer moves.
  if (arrowHeld || pendingMove != direction::None) stillCount = IdlePolls + 1;

  // One restart per press of R: held, it would restart (and flash) every pass.
  const bool restartHit = controls->Hit(Action::Restart);
  if (restartHit || controls->Down(Action::Restart)) {
    if (restartHit) requestRestart = 1;
  } else if (controls->Down(Action::Skip)) {
    requestSkip = 1;
  } else if (controls->Down(Action::Menu)) {
    requestMenu = 1;
    DebugLog("--- escape key pressed");
  }

  // Once per press each. In the editor Z randomizes the map: its press is
  // left for the editor's keys.
  if (EditorMode == 0) {
    if (controls->Hit(Action::Undo)) requestUndo = 1;
    if (controls->Hit(Action::Hint)) requestHint = 1;
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
  pendingMove = direction::None;
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
