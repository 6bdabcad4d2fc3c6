#include "menus/screens.h"

#include "menus/instructions_menu.h"
#include "menus/main_menu.h"
#include "menus/options_menu.h"
#include "menus/reset_profile_menu.h"

std::shared_ptr<MainMenu> mainMenu;
std::shared_ptr<InstructionsMenu> instructionsMenu;
std::shared_ptr<OptionsMenu> optionsMenu;
std::shared_ptr<ResetProfileMenu> resetProfileMenu;
