#pragma once
// The panel with the instructions text; activating the text closes it, except
// a click on the line that offers the hint pages seen so far, which (as Right
// does) opens them.
// The game's version stands in the screen's corner while the panel is shown.

#include <memory>

#include "menus/menu_screen.h"

class InstructionsMenu : public MenuScreen {
 public:
  using MenuScreen::MenuScreen;

  static std::shared_ptr<InstructionsMenu> Create(MenuHost& host);
  void Setup() override;
  void HandleInput() override;
  void Activate(bool byMouse) override;
  void Cancel() override;
  void DrawExtra() override;

 private:
  void OpenHintPages();
};
