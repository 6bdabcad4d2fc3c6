#pragma once
// The Yes / No box over the options screen that wipes the player's progress.
// While it is open the main and options screens stay visible but blocked;
// either answer gives the keyboard back to the options screen. Wiping the save
// takes a choice made on the box itself: it opens on No, and a key or button
// held from before it appeared does nothing to it. Escape answers No.

#include <memory>

#include "menus/menu_screen.h"

class ResetProfileMenu : public MenuScreen {
 public:
  using MenuScreen::MenuScreen;

  static constexpr int Yes = 0;
  static constexpr int No = 1;

  static std::shared_ptr<ResetProfileMenu> Create(MenuHost& host);
  void Setup() override;
  void Show() override;
  void Activate(bool byMouse) override;
  void Cancel() override;

 private:
  void Answer(int choice);
};
