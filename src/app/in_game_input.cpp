#include "app/in_game_input.h"

#include "platform/input.h"

int requestUp = 0;
int requestDown = 0;
int requestLeft = 0;
int requestRight = 0;
int requestRestart = 0;
int requestSkip = 0;
int requestMenu = 0;
int pointerX = 0;
int pointerY = 0;

void InputState::ResetInput() {
  ClearRequests();
  platform::FlushKeys();
}

void InputState::ClearRequests() {
  requestUp = 0;
  requestDown = 0;
  requestLeft = 0;
  requestRight = 0;
  requestRestart = 0;
  requestSkip = 0;
  requestMenu = 0;
}
