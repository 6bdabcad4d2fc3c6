#include "menus/reset_profile_menu.h"

#include "menus/menu_host.h"
#include "menus/main_menu.h"
#include "menus/options_menu.h"
#include "menus/screens.h"
#include "platform/host/input.h"
#include "services/game_log.h"
#include "services/option_log_record.h"
#include "services/progress.h"

std::shared_ptr<ResetProfileMenu> ResetProfileMenu::Create(MenuHost& host) {
  auto menu = std::make_shared<ResetProfileMenu>(host);
  // Over the middle of the options, whose Reset it answers for, and clear of
  // the main menu's words beside them.
  menu->Init(495, 256, 2, -1, -1, 100, 90, 158, 30, 30, "submenu2.png", "menuResetProf.png", 5, "", 0, 0);
  menu->Setup();
  return menu;
}

void ResetProfileMenu::Setup() {
  state = Hidden;
  fade = 0;
}

void ResetProfileMenu::Show() {
  MenuScreen::Show();
  Select(No);
  // Only a pointer moved over the box chooses for it.
  lastMouseX = platform::MouseX();
  lastMouseY = platform::MouseY();
}

void ResetProfileMenu::Activate(bool) { Answer(selected); }

void ResetProfileMenu::Cancel() { Answer(No); }

void ResetProfileMenu::Answer(int choice) {
  if (choice != Yes && choice != No) return;
  if (choice == Yes) {
    host.PlayerProgress().ResetProgress();
    host.ForgetRecords();
    // The first level waits behind the menus, as after a fresh start.
    host.StartLevel(0);
    host.Log().AddOptionRecord(OptionLogRecord::ProfileReset, OptionChangeTime(), 0, 1);
  }
  Close();
  host.Screens().mainMenu->inputBlocked = 0;
  host.Screens().optionsMenu->Show();
}
