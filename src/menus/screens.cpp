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

// A panel not shown yet holds no pictures: the game starts on the main menu
// alone, and reads a panel's pictures when it first opens. Each lets them go
// as soon as it is made, so that start-up never holds every panel's at once.
void MenuScreens::Create(MenuHost& host) {
  auto made = [](auto screen) {
    if (screen->state == MenuScreen::Hidden) screen->ReleasePictures();
    return screen;
  };
  mainMenu = made(MainMenu::Create(host));
  instructionsMenu = made(InstructionsMenu::Create(host));
  optionsMenu = made(OptionsMenu::Create(host));
  resetProfileMenu = made(ResetProfileMenu::Create(host));
  levelSelect = made(LevelSelect::Create(host));
  worldMap = WorldMap::Create(host);
  controlsMenu = made(ControlsMenu::Create(host));
  hintPagesMenu = made(HintPagesMenu::Create(host));
}

std::vector<MenuScreen*> MenuScreens::Menus() const {
  std::vector<MenuScreen*> menus{mainMenu.get(),         optionsMenu.get(),  instructionsMenu.get(),
                                 resetProfileMenu.get(), controlsMenu.get(), hintPagesMenu.get(),
                                 levelSelect.get()};
  std::erase(menus, nullptr);
  return menus;
}
