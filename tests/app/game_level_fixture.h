#pragma once
// The level inside the game, without a display: the game's shared objects made
// fresh, the controller's own level, and the controller's level-loop step run
// one 1/60 s step at a time, so that what the game does with the level's
// reports (the flash, the hint page, the tokens, the world map, the progress
// save) can be seen.

#include "app/game_controller.h"
#include "app/in_game_buttons.h"
#include "app/in_game_input.h"
#include "app/level_finish.h"
#include "app/token_column.h"
#include "menus/world_map.h"
#include "puzzle/flash.h"
#include "puzzle/puzzle_fixture.h"
#include "services/game_log.h"
#include "services/resources.h"
#include "services/sound_manager.h"
#include "support/test_game.h"

// The controller is made first (TestGame is the first base), so that the
// puzzle fixture plays the controller's own level.
class GameLevelTest : public TestGame, public PuzzleTest {
 protected:
  GameLevelTest() : PuzzleTest(gameController->level) {}

  void SetUp() override {
    PuzzleTest::SetUp();
    LoadProgress();
    gameLog = std::make_shared<GameLog>();
    SilentSounds();
    inGameButtons = InGameButtons::Create(*progress);
    worldMap = WorldMap::Create(*gameController);
    gameController->ListenToWorldMap();
  }

  void TearDown() override {
    PuzzleTest::TearDown();
    ReleaseGame();
  }

  // As the game starts a level: its hint page, its log record, its progress.
  void StartAt(int number) override {
    level.CurrentMap = mapType::Create(number);
    OpenHintPage(*gameController, number);
    gameLog->LevelBegin(number);
    StartHandOverAtRest(*gameController);
    progress->SelectLevel(number);
    Resources::SelectBackground(level.CurrentMap->artStyle);
    level.LevelStart->Start(level);
  }

  // One step of the level loop, the controller's own; `held` is the request
  // the input poll raised for this step.
  void Step(Request held = nullptr) override {
    input.ClearRequests();
    if (held) *FlagOf(held) = 1;
    gameController->PlayStep();
  }

  int* FlagOf(Request request) {
    if (request == Up) return &input.requestUp;
    if (request == Down) return &input.requestDown;
    if (request == Left) return &input.requestLeft;
    if (request == Right) return &input.requestRight;
    if (request == RestartRequest) return &input.requestRestart;
    return &input.requestSkip;
  }
};
