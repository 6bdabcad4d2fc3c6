#pragma once
// The heads-up layer over the level: the frame picture, the glow of the bottom
// bar's button under the pointer, the column of level tokens, and the direction
// arrow shown around the ball while the pointer is over the board.

#include <array>
#include <memory>

class InputState;
class MouseButton;
class Progress;
class TokenColumn;
struct LevelState;

class InGameButtons {
 public:
  static constexpr int kButtonCount = 3;

  std::array<std::shared_ptr<MouseButton>, kButtonCount> buttons;
  int buttonCount = kButtonCount;
  std::shared_ptr<TokenColumn> tokenColumn;
  int indexBase = 0;
  // False on the last level, which cannot be skipped: the Skip button is dimmed.
  bool skipAvailable = true;

  // The tokens show the levels of `progress`'s current group.
  static std::shared_ptr<InGameButtons> Create(const Progress& progress);
  // The glow under the pointer, and the arrow around the ball of `level`.
  void Update(LevelState& level, const InputState& input);
  void UpdateHoverArrow(LevelState& level, const InputState& input);
  void Draw();
  // The action under a point: 0 menu, 1 restart, 2 skip, 8 a cell of
  // `level`'s board, -1 nothing.
  int ButtonAt(int x, int y, const LevelState& level) const;
};
