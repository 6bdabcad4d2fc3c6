#pragma once
// The full-screen picture with Play, Instructions and Options in a column and
// Quit at the bottom left; it is shown from the start and never closes. Left
// selects Quit, Right selects Play; with nothing highlighted the first key
// only highlights Play.

#include <memory>

#include "menus/menu_screen.h"

class MainMenu : public MenuScreen {
 public:
  using MenuScreen::MenuScreen;

  static constexpr int Play = 0;
  static constexpr int Instructions = 1;
  static constexpr int Options = 2;
  static constexpr int Quit = 3;

  static std::shared_ptr<MainMenu> Create(MenuHost& host);
  void Setup() override;
  void HandleInput() override;
  void Activate(bool byMouse) override;
  // Hides (immediately) or closes the instructions, options and reset screens.
  void CloseSubmenus(bool immediately);
};
