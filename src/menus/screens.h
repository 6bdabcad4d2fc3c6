#pragma once
// The screens of the menus, made together by the game controller, which owns
// them; a screen reaches the others through its host's Screens().

#include <memory>
#include <vector>

class ControlsMenu;
class HintPagesMenu;
class InstructionsMenu;
class LevelSelect;
class MainMenu;
class MenuHost;
class MenuScreen;
class OptionsMenu;
class ResetProfileMenu;
class WorldMap;

struct MenuScreens {
  std::shared_ptr<MainMenu> mainMenu;
  std::shared_ptr<InstructionsMenu> instructionsMenu;
  std::shared_ptr<OptionsMenu> optionsMenu;
  std::shared_ptr<ResetProfileMenu> resetProfileMenu;
  std::shared_ptr<LevelSelect> levelSelect;
  std::shared_ptr<WorldMap> worldMap;
  std::shared_ptr<ControlsMenu> controlsMenu;
  std::shared_ptr<HintPagesMenu> hintPagesMenu;

  void Create(MenuHost& host);
  // The screens of the menu loop, as far as they are made, in the order they
  // step and draw (later ones over earlier ones).
  std::vector<MenuScreen*> Menus() const;
};
