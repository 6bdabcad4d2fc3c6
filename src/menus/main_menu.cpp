#include "menus/main_menu.h"

#include "menus/controls_menu.h"
#include "menus/hint_pages_menu.h"
#include "menus/instructions_menu.h"
#include "menus/level_select.h"
#include "menus/options_menu.h"
#include "menus/reset_profile_menu.h"
#include "menus/screens.h"
#include "platform/host/platform.h"
#include "services/progress.h"

using namespace platform;

std::shared_ptr<MainMenu> MainMenu::Create(MenuHost& host) {
  auto menu = std::make_shared<MainMenu>(host);
  // Right's target is one past the last button, which wraps round to Play.
  menu->Init(0, 0, 5, Quit, 5, 226, 242, 256, 50, 0, "postcard.jpg", "mainMenu.png", 0, "", 0, 0);
  menu->Setup();
  return menu;
}

void MainMenu::Setup() {
  state = Shown;
  fade = FullFade;
  buttons[Quit]->x = 146;
  buttons[Quit]->y = 559;
  if (!HostCanQuit()) {
    // Quit, the last button, is neither drawn nor chosen; Left does nothing.
    buttons.resize(Quit);
    buttonCount = Quit;
    leftTarget = -1;
    rightTarget = Quit;
  }
}

void MainMenu::Activate(bool) {
  switch (selected) {
    case Play:
      CloseSubmenus(true);
      host.Play();
      break;
    case Levels:
      CloseSubmenus(false);
      host.Screens().levelSelect->ShowAt(host.PlayerProgress().currentLevel);
      break;
    case Instructions:
      CloseSubmenus(false);
      host.Screens().instructionsMenu->Show();
      break;
    case Options:
      CloseSubmenus(false);
      host.Screens().optionsMenu->Show();
      break;
    case Quit:
      CloseSubmenus(false);
      host.Quit();
      break;
    default:
      break;
  }
}

void MainMenu::CloseSubmenus(bool immediately) {
  const MenuScreens& screens = host.Screens();
  MenuScreen* submenus[] = {screens.instructionsMenu.get(), screens.optionsMenu.get(), screens.resetProfileMenu.get(),
                            screens.controlsMenu.get(), screens.hintPagesMenu.get(),
                            screens.levelSelect.get()};
  for (MenuScreen* screen : submenus) {
    if (!screen) continue;
    if (immediately) {
      screen->Hide();
    } else {
      screen->Close();
    }
  }
}
