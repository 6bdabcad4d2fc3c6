#pragma once
// The full-screen picture with Play, Levels, Instructions and Options in a column and
// Quit at the bottom left (none in a web page); it is shown from the start and
// never closes. Left selects Quit, Right selects Play.

#include <memory>

#include "menus/menu_screen.h"

class MainMenu : public MenuScreen {
 public:
  using MenuScreen::MenuScreen;

  static constexpr int Play = 0;
  static constexpr int Levels = 1;
  static constexpr int Instructions = 2;
  static constexpr int Options = 3;
  static constexpr int Quit = 4;

  static std::shared_ptr<MainMenu> Create(MenuHost& host);
  void Setup() override;
  void Activate(bool byMouse) override;
  // Hides (immediately) or closes the instructions, options, reset and level screens.
  void CloseSubmenus(bool immediately);
};
