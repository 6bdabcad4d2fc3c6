#pragma once
// The game's module-level objects and input state, which each test sets up as
// it needs them. Released after every test so that none outlives its test or
// is met by the next one (the pointer left over the board by one test would
// otherwise count as pointing at a cell in the next).

#include "app/game_controller.h"
#include "app/in_game_buttons.h"
#include "app/in_game_input.h"
#include "menus/instructions_menu.h"
#include "menus/main_menu.h"
#include "menus/options_menu.h"
#include "menus/reset_profile_menu.h"
#include "menus/screens.h"
#include "menus/world_map.h"
#include "puzzle/map_solver.h"
#include "services/game_log.h"
#include "services/progress.h"
#include "services/sound_manager.h"

inline void ReleaseSharedGameState() {
  mainMenu = nullptr;
  instructionsMenu = nullptr;
  optionsMenu = nullptr;
  resetProfileMenu = nullptr;
  worldMap = nullptr;
  MapSolver = nullptr;
  inGameButtons = nullptr;
  gameController = nullptr;
  gameLog = nullptr;
  progress = nullptr;
  soundManager = nullptr;
  InputState::ClearRequests();
  pointerX = pointerY = previousPointerX = previousPointerY = 0;
  stillCount = mouseIdle = 0;
}
