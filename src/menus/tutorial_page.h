#pragma once
// The hint page that opens, silently, over a level the first time it is
// entered: a blank sheet with one of ten hint pictures on it, closed by any key
// or click once it has faded in.

#include <memory>

#include "menus/popup_screen.h"

class TutorialPage : public PopupScreen {
 public:
  using PopupScreen::PopupScreen;

  static constexpr int kTexts = 10;
  // Hint picture `index`, Null for any index but 0-9.
  static platform::TImage LoadText(int index);
  // A hidden page showing hint picture `index` (0-9); any other index shows the
  // blank sheet alone.
  static std::shared_ptr<TutorialPage> Create(MenuHost& host, int index);
  void Setup() override;
  void Activate(bool byMouse) override;
};
