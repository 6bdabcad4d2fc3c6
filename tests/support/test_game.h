#pragma once
// A game controller of the test's own, with its parts under the names the
// game gives them, for the test to make what it needs. Released by the
// fixture's TearDown, while the display that holds their pictures is still open.

#include <memory>

#include "app/game_controller.h"
#include "app/in_game_buttons.h"
#include "menus/instructions_menu.h"
#include "menus/main_menu.h"
#include "menus/options_menu.h"
#include "menus/reset_profile_menu.h"
#include "menus/world_map.h"
#include "services/game_log.h"
#include "services/progress.h"
#include "services/sound_manager.h"

struct TestGame {
  std::shared_ptr<GameController> gameController = GameController::Create();
  std::shared_ptr<Progress>& progress = gameController->progress;
  std::shared_ptr<SoundManager>& soundManager = gameController->soundManager;
  std::shared_ptr<GameLog>& gameLog = gameController->gameLog;
  std::shared_ptr<InGameButtons>& inGameButtons = gameController->inGameButtons;
  std::shared_ptr<MainMenu>& mainMenu = gameController->screens.mainMenu;
  std::shared_ptr<InstructionsMenu>& instructionsMenu = gameController->screens.instructionsMenu;
  std::shared_ptr<OptionsMenu>& optionsMenu = gameController->screens.optionsMenu;
  std::shared_ptr<ResetProfileMenu>& resetProfileMenu = gameController->screens.resetProfileMenu;
  std::shared_ptr<WorldMap>& worldMap = gameController->screens.worldMap;
  InputState& input = gameController->input;

  // The player's progress as the game starts with it, read from the folder.
  void LoadProgress() {
    progress = Progress::Create(0);
    gameController->level.progress = progress.get();
  }
  // No sounds are loaded: effects still take turns on the two channels.
  void SilentSounds() {
    soundManager = std::make_shared<SoundManager>();
    soundManager->SetEffectsVolume(1.0f);
  }
  void ReleaseGame() { gameController.reset(); }
};
