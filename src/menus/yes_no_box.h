#pragma once
// A two-state check box standing in for a menu button; the screen that owns it
// reads its state elsewhere, so it keeps the plain button's GetValue.

#include <memory>

#include "menus/menu_button.h"

class YesNoBox : public menuButtonType {
 public:
  int offsetX = 0, offsetY = 0;  // top-left of the picture relative to the button centre
  int value = 0;                 // the cell shown: 0 off, 1 on

  static std::shared_ptr<YesNoBox> Create(int x, int y, int width, int height, int offsetX, int offsetY, int value);
  void Draw(int screenX, int screenY) override;
  void SetValue(double v) override;
};
