#pragma once
// The panel with the instructions text; activating the text closes it.

#include <memory>

#include "menus/menu_screen.h"

class InstructionsMenu : public MenuScreen {
 public:
  static std::shared_ptr<InstructionsMenu> Create();
  void Setup() override;
  void Activate(bool byMouse) override;
  void Cancel() override;
};
