// A level file played. The first 1140 bytes (a whole file of the current
// layout, or less) are the level, saved as levels 7 and 8 so that finishing 7
// loads the same file again as the next map and scrolls it in by its shift.
// Every further byte is one 1/60 s step of the level loop with what the player
// holds during it; after them the loop runs on without input for a second and
// until a hand-over in progress has ended, which must happen within seconds.

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/game_controller.h"
#include "app/in_game_buttons.h"
#include "app/in_game_input.h"
#include "fuzz/fuzz_input.h"
#include "menus/world_map.h"
#include "platform/host/input_state.h"
#include "platform/host/random.h"
#include "puzzle/ball.h"
#include "puzzle/editor_mode.h"
#include "puzzle/level_file.h"
#include "puzzle/level_start.h"
#include "puzzle/map.h"
#include "puzzle/particles.h"
#include "services/game_log.h"
#include "services/progress.h"
#include "services/sound_manager.h"
#include "support/test_game.h"

namespace {

constexpr int PlayedLevel = 7;
constexpr size_t MostSteps = 400;
// A shift within the board scrolls at most 19 cells of 32 pixels at 8 pixels
// a step: 76 steps. Four seconds leave room to spare.
constexpr int LongestHandOver = 240;
constexpr int IdleSteps = 60;

// The keys of the level loop, as Windows virtual-key codes.
constexpr int Keys[] = {0, 38, 39, 40, 37, 82, 83};  // none, arrows up right down left, R, S
constexpr int ClickOnBoard = 7;

// The pixel at the middle of a cell; the board's top-left cell starts at 64.
int CellCentre(int cell) { return 64 + cell * board::CellSize + board::CellSize / 2; }

// One step: the low three bits choose a key held for it (or a click), the
// rest where the click lands: a direction from the ball and a distance.
void PlayStep(TestGame& game, uint8_t input) {
  GameController& gameController = *game.gameController;
  const int choice = input & 7;
  int key = 0;
  if (choice == ClickOnBoard) {
    const int direction = (input >> 3) & 3;
    const int distance = 1 + (input >> 5);
    int x = gameController.level.CurrentMap->ball ? gameController.level.CurrentMap->ball->cellX : 0;
    int y = gameController.level.CurrentMap->ball ? gameController.level.CurrentMap->ball->cellY : 0;
    x += direction == 1 ? distance : direction == 3 ? -distance : 0;
    y += direction == 2 ? distance : direction == 0 ? -distance : 0;
    platform::InputMouseMoved(CellCentre(x), CellCentre(y));
    platform::InputMouseButton(1, true);
  } else {
    key = Keys[choice];
    if (key != 0) platform::InputKeyDown(key);
  }
  game.input.Poll(*game.inGameButtons, gameController.level);
  gameController.PlayStep();
  if (key != 0) platform::InputKeyUp(key);
  platform::InputMouseButton(1, false);
}

void StartGame(TestGame& game) {
  platform::ResetInputState();
  platform::SeedRnd(1234);
  EditorMode = 0;
  RemoveFuzzFile("save0.dat");
  game.LoadProgress();
  // Hint pages are pictures from the media folder: they are fuzzed elsewhere.
  game.progress->tutorialSeen.fill(1);
  game.gameLog = std::make_shared<GameLog>();
  game.soundManager = std::make_shared<SoundManager>();
  game.inGameButtons = InGameButtons::Create(*game.progress);
  game.worldMap = WorldMap::Create(*game.gameController);
  game.gameController->ListenToWorldMap();
  FillParticleTables();
  game.gameController->StartLevel(PlayedLevel);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const size_t levelSize = std::min(size, static_cast<size_t>(levelfile::Size));
  for (int number : {PlayedLevel, PlayedLevel + 1}) {
    WriteFuzzFile("levels/" + std::to_string(number) + ".lvl", data, levelSize);
  }
  TestGame game;  // a level of its own, scrolled nowhere yet
  StartGame(game);
  const LevelState& level = game.gameController->level;

  const size_t steps = std::min(size - levelSize, MostSteps);
  for (size_t i = 0; i < steps; ++i) PlayStep(game, data[levelSize + i]);
  int idle = 0;
  while (idle < IdleSteps || (level.LevelStart->IsPending() && idle < LongestHandOver)) {
    PlayStep(game, 0);
    ++idle;
  }
  if (level.LevelStart->IsPending()) {
    FuzzFailure("the next level was still scrolling in " + std::to_string(LongestHandOver) +
                " steps after the last input (shift " + std::to_string(level.NextMap ? level.NextMap->shiftX : 0) + ", " +
                std::to_string(level.NextMap ? level.NextMap->shiftY : 0) + ")");
  }
  return 0;
}
