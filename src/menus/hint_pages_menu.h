#pragma once
// The hint pages the player has already seen, read again from the
// Instructions: one page at a time on the blank sheet, Left and Right turn
// them, Escape, Enter, Space or a click go back to the Instructions.

#include <memory>
#include <vector>

#include "menus/menu_screen.h"

class HintPagesMenu : public MenuScreen {
 public:
  using MenuScreen::MenuScreen;

  static std::shared_ptr<HintPagesMenu> Create(MenuHost& host);
  void Setup() override;
  // The pages the player has seen, in their order.
  std::vector<int> SeenPages() const;
  // Opens on the first page seen; false, showing nothing, when none was.
  bool ShowSeenPages();
  void HandleInput() override;
  void Activate(bool byMouse) override;
  void Cancel() override;
  void DrawExtra() override;

  // The pages seen, in their order, and the one shown.
  std::vector<int> pages;
  size_t shown = 0;

 private:
  void Turn(int way);
};
