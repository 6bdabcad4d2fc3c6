#pragma once
// A menu screen that only waits to be dismissed: once it has faded in, any key,
// typed character or click closes it. Its strip holds one cell per button,
// never highlighted, and it has no fore picture.

#include "menus/menu_screen.h"

class PopupScreen : public MenuScreen {
 public:
  using MenuScreen::MenuScreen;

  void HandleInput() override;
  void Draw(bool overlay = false) override;
};
