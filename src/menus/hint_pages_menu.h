#pragma once
// The hint pages the player has already seen, read again from the
// Instructions: one page at a time on the blank sheet. Left and Right turn
// them; any other key or a click goes back to the Instructions, as a page's
// own words say.

#include <memory>
#include <vector>

#include "menus/popup_screen.h"

// Drawn as a hint page is; its keys are its own.
class HintPagesMenu : public PopupScreen {
 public:
  using PopupScreen::PopupScreen;

  static std::shared_ptr<HintPagesMenu> Create(MenuHost& host);
  void Setup() override;
  // The pages the player has seen, in their order.
  std::vector<int> SeenPages() const;
  // Opens on the first page seen; false, showing nothing, when none was.
  bool ShowSeenPages();
  void HandleInput() override;
  void Close() override;
  void DrawExtra() override;

  // The pages seen, in their order, and the one shown.
  std::vector<int> pages;
  size_t shown = 0;

 private:
  void Turn(int way);
};
