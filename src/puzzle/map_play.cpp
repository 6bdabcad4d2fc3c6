// The map's part in play: starting the level over.

#include "puzzle/ball.h"
#include "puzzle/map.h"

void mapType::Restart() {
  for (int c = 0; c < lockCount; ++c) {
    lockState[c] = lockInitial[c] != 0 ? 1 : 0;
    lockTimer[c] = 0;
  }
  if (!ball) ball = ballType::Create();
  ball->SetPosition(startX, startY);
}
