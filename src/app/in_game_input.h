#pragma once
// The request flags of play, read once per pass of the level loop from the
// keys and the mouse, and the pointer position they were read with.

#include "services/controls.h"

struct LevelState;
struct PlayRequests;
class InGameButtons;

class InputState {
 public:
  // More polls than this without the pointer moving make it idle.
  static constexpr int IdlePolls = 200;

  int requestUp = 0;
  int requestDown = 0;
  int requestLeft = 0;
  int requestRight = 0;
  int requestRestart = 0;
  int requestSkip = 0;
  int requestMenu = 0;
  int requestUndo = 0;
  int requestHint = 0;
  int pointerX = 0;
  int pointerY = 0;
  int previousPointerX = 0;
  int previousPointerY = 0;
  int stillCount = 0;
  int mouseIdle = 0;
  // An arrow pressed while the ball rolled, made when it rests; a newer press
  // replaces it, and whatever spends the input (restart, skip, undo, the
  // level's end) forgets it.
  int pendingMove = 0;
  // The player's keys and buttons (not owned); the defaults until the game gives its own.
  const Controls* controls = &DefaultControls();

  int IsMouseIdle() const { return mouseIdle; }
  // Clears the requests, then sets them from what is held or clicked now: a
  // click goes to the button under it, or on the board moves the ball of
  // `level` the way its arrow points.
  void Poll(const InGameButtons& buttons, const LevelState& level);
  // Clears the requests and the pending move, and forgets keys pressed so far.
  void ResetInput();
  void ClearRequests();
  // The requests of play, as the level's step takes them.
  PlayRequests Requests() const;
  // The board cell under the pointer as of the last poll; the board's cell 0
  // starts 64 pixels in, and the division truncates toward zero like the rest of the game.
  int PointerCellX() const { return CellX(pointerX); }
  int PointerCellY() const { return CellY(pointerY); }
  static int CellX(int x);
  static int CellY(int y);

 private:
  // A direction:: value, as the ball's arrow counts them.
  void RequestDirection(int way);
};
