// The map's part in play: starting the level over, and its step, which ends
// with the version and editor keys.

#include "app/in_game_input.h"
#include "puzzle/ball.h"
#include "puzzle/editor_keys.h"
#include "puzzle/editor_mode.h"
#include "puzzle/map.h"

void mapType::Restart() {
  for (int c = 0; c < lockCount; ++c) {
    lockState[c] = lockInitial[c] != 0 ? 1 : 0;
    lockTimer[c] = 0;
  }
  InputState::ResetInput();
  if (!ball) ball = ballType::Create();
  ball->SetPosition(startX, startY);
}

void mapType::Update(int playerControl, int paused) {
  if (EditorMode == 0 && ball) ball->Update(playerControl, paused);
  DecayGlow();
  UpdateLocks();
  // Last: an editor key may start another level and replace this map.
  UpdateEditorKeys(*this, playerControl);
}
