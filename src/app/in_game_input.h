#pragma once
// The request flags of play, read once per pass of the level loop from the
// keys and the mouse, and the pointer position they were read with.

extern int requestUp;
extern int requestDown;
extern int requestLeft;
extern int requestRight;
extern int requestRestart;
extern int requestSkip;
extern int requestMenu;
extern int pointerX;
extern int pointerY;
extern int previousPointerX;
extern int previousPointerY;
extern int stillCount;
extern int mouseIdle;

struct PlayRequests;

class InputState {
 public:
  // More polls than this without the pointer moving make it idle.
  static constexpr int IdlePolls = 200;

  static int IsMouseIdle();
  // Clears the requests, then sets them from what is held or clicked now.
  static void Poll();
  // Clears the requests and forgets keys pressed so far.
  static void ResetInput();
  static void ClearRequests();
  // The requests of play, as the level's step takes them.
  static PlayRequests Requests();
  // The board cell under the pointer as of the last poll; the board's cell 0
  // starts 64 pixels in, and the division truncates toward zero like the rest of the game.
  static int PointerCellX();
  static int PointerCellY();
};
