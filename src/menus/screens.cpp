#include "menus/screens.h"

#include <algorithm>

#include "menus/controls_menu.h"
#include "menus/hint_pages_menu.h"
#include "menus/instructions_menu.h"
#include "menus/level_select.h"
#include "menus/main_menu.h"
#include "menus/options_menu.h"
#include "menus/reset_profile_menu.h"
#include "menus/world_map.h"

void MenuScreens::Create(MenuHost& host) {
  mainMenu = MainMenu::Create(host);
  instructionsMenu = InstructionsMenu::Create(host);
  optionsMenu = OptionsMenu::Create(host);
  resetProfileMenu = ResetProfileMenu::Create(host);
  levelSelect = LevelSelect::Create(host);
  worldMap = WorldMap::Create(host);
  controlsMenu = ControlsMenu::Create(host);
  hintPagesMenu = HintPagesMenu::Create(host);
  // A panel not shown yet holds no pictures: the game starts on the main menu
  // alone, and reads a panel's pictures when it first opens.
  for (MenuScreen* menu : Menus()) {
    if (menu->state == MenuScreen::Hidden) menu->ReleasePictures();
  }
}

std::vector<MenuScreen*> MenuScreens::Menus() const {
  std::vector<MenuScreen*> menus{mainMenu.get(),         optionsMenu.get(),  instructionsMenu.get(),
                                 resetProfileMenu.get(), controlsMenu.get(), hintPagesMenu.get(),
                                 levelSelect.get()};
  std::erase(menus, nullptr);
  return menus;
}
