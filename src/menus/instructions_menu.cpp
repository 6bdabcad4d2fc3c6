#include "menus/instructions_menu.h"

std::shared_ptr<InstructionsMenu> InstructionsMenu::Create() {
  auto menu = std::make_shared<InstructionsMenu>();
  menu->Init(430, 145, 1, -1, -1, 165, 205, 325, 402, 30, "submenu1.png", "menuInstructions.png", 1, "", 0, 0);
  menu->Setup();
  return menu;
}

void InstructionsMenu::Setup() {
  state = Hidden;
  fade = 0;
}

void InstructionsMenu::Activate(bool) {
  if (selected == 0) Close();
}

void InstructionsMenu::Cancel() { Close(); }
