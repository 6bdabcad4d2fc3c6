#pragma once
// The request flags of play and the pointer position they were read with; holds
// so far the flags, the pointer and the clearing operations.

extern int requestUp;
extern int requestDown;
extern int requestLeft;
extern int requestRight;
extern int requestRestart;
extern int requestSkip;
extern int requestMenu;
extern int pointerX;
extern int pointerY;

class InputState {
 public:
  // Clears the requests and forgets keys pressed so far.
  static void ResetInput();
  static void ClearRequests();
};
