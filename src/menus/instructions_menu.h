#pragma once
// The panel with the instructions text; activating the text closes it, except
// on its last line, which (as Right does) opens the hint pages seen so far.
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
