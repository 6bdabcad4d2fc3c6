#pragma once
// The hint's answer on the board for a moment: an arrow beside the resting
// ball, pointing the way of the next move, or a note that no way leads to the
// exit from here. The arrow goes as soon as the ball rolls.

#include "platform/render/graphics.h"

struct LevelState;

class HintSign {
 public:
  static constexpr int ShownSteps = 120;  // 2 s
  static constexpr int NoteSteps = 240;   // 4 s: a sentence takes longer to read

  void ShowMove(int direction);
  void ShowNoWay();
  void Clear() { steps_ = 0; }
  void Update(const LevelState& level);
  void Draw(const LevelState& level);

  bool Showing() const { return steps_ > 0; }
  // The direction the arrow points (direction::Up...), 0 while it shows none.
  int Direction() const { return Showing() ? direction_ : 0; }
  bool SaysNoWay() const { return Showing() && direction_ == 0; }

 private:
  int direction_ = 0;  // 0: the note
  int steps_ = 0;      // left to show
  int shown_ = 0;      // since it appeared
  platform::TImage note_;  // read when first shown
  bool noteRead_ = false;
};
