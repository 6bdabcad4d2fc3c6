#pragma once
// The menu screens, made once by the game controller and reaching each other
// through these variables. The world map is in world_map.h.

#include <memory>

class MainMenu;
class InstructionsMenu;
class OptionsMenu;
class ResetProfileMenu;

extern std::shared_ptr<MainMenu> mainMenu;
extern std::shared_ptr<InstructionsMenu> instructionsMenu;
extern std::shared_ptr<OptionsMenu> optionsMenu;
extern std::shared_ptr<ResetProfileMenu> resetProfileMenu;
