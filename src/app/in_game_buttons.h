#pragma once
// The heads-up layer over the level: the frame picture, the glow of the bottom
// bar's button under the pointer, the column of level tokens, and the direction
// arrow shown around the ball while the pointer is over the board.

#include <array>
#include <memory>

class MouseButton;
class TokenColumn;

class InGameButtons {
 public:
  static constexpr int kButtonCount = 3;

  std::array<std::shared_ptr<MouseButton>, kButtonCount> buttons;
  int buttonCount = kButtonCount;
  std::shared_ptr<TokenColumn> tokenColumn;
  int indexBase = 0;

  static std::shared_ptr<InGameButtons> Create();
  void Update();
  void UpdateHoverArrow();
  void Draw();
  // The action under a point: 0 menu, 1 restart, 2 skip, 8 a board cell, -1 nothing.
  int ButtonAt(int x, int y) const;
};

extern std::shared_ptr<InGameButtons> inGameButtons;
