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
#include "support/shared_game_state.h"

class GameLevelTest : public PuzzleTest {
 protected:
  GameLevelTest() : PuzzleTest(MakeController().level) {}

  void SetUp() override {
    PuzzleTest::SetUp();
    progress = Progress::Create(0);
    gameLog = std::make_shared<GameLog>();
    soundManager = std::make_shared<SoundManager>();
    soundManager->SetEffectsVolume(1.0f);
    inGameButtons = InGameButtons::Create();
    worldMap = WorldMap::Create();
    gameController->ListenToWorldMap();
    InputState::ClearRequests();
  }

  void TearDown() override {
    PuzzleTest::TearDown();
    ReleaseSharedGameState();
  }

  // As the game starts a level: its hint page, its log record, its progress.
  void StartAt(int number) override {
    level.CurrentMap = mapType::Create(number);
    OpenHintPage(number);
    gameLog->LevelBegin(number);
    StartHandOverAtRest(level);
    progress->SelectLevel(number);
    Resources::SelectBackground(level.CurrentMap->artStyle);
    level.LevelStart->Start(level);
  }

  // One step of the level loop, the controller's own; `held` is the request
  // the input poll raised for this step.
  void Step(Request held = nullptr) override {
    InputState::ClearRequests();
    if (held) *FlagOf(held) = 1;
    gameController->PlayStep();
  }

  static int* FlagOf(Request request) {
    if (request == Up) return &requestUp;
    if (request == Down) return &requestDown;
    if (request == Left) return &requestLeft;
    if (request == Right) return &requestRight;
    if (request == RestartRequest) return &requestRestart;
    return &requestSkip;
  }

 private:
  static GameController& MakeController() {
    gameController = GameController::Create();
    return *gameController;
  }
};
