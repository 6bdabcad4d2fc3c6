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
#include "support/shared_game_state.h"

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
void PlayStep(uint8_t input) {
  const int choice = input & 7;
  int key = 0;
  if (choice == ClickOnBoard) {
    const int direction = (input >> 3) & 3;
    const int distance = 1 + (input >> 5);
    int x = gameController->level.CurrentMap->ball ? gameController->level.CurrentMap->ball->cellX : 0;
    int y = gameController->level.CurrentMap->ball ? gameController->level.CurrentMap->ball->cellY : 0;
    x += direction == 1 ? distance : direction == 3 ? -distance : 0;
    y += direction == 2 ? distance : direction == 0 ? -distance : 0;
    platform::InputMouseMoved(CellCentre(x), CellCentre(y));
    platform::InputMouseButton(1, true);
  } else {
    key = Keys[choice];
    if (key != 0) platform::InputKeyDown(key);
  }
  InputState::Poll();
  gameController->PlayStep();
  if (key != 0) platform::InputKeyUp(key);
  platform::InputMouseButton(1, false);
}

void StartGame() {
  platform::ResetInputState();
  platform::SeedRnd(1234);
  EditorMode = 0;
  RemoveFuzzFile("save0.dat");
  progress = Progress::Create(0);
  // Hint pages are pictures from the media folder: they are fuzzed elsewhere.
  progress->tutorialSeen.fill(1);
  gameLog = std::make_shared<GameLog>();
  soundManager = std::make_shared<SoundManager>();
  gameController = GameController::Create();  // a level of its own, scrolled nowhere yet
  inGameButtons = InGameButtons::Create();
  worldMap = WorldMap::Create();
  gameController->ListenToWorldMap();
  FillParticleTables();
  gameController->StartLevel(PlayedLevel);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const size_t levelSize = std::min(size, static_cast<size_t>(levelfile::Size));
  for (int number : {PlayedLevel, PlayedLevel + 1}) {
    WriteFuzzFile("levels/" + std::to_string(number) + ".lvl", data, levelSize);
  }
  StartGame();

  const size_t steps = std::min(size - levelSize, MostSteps);
  for (size_t i = 0; i < steps; ++i) PlayStep(data[levelSize + i]);
  int idle = 0;
  while (idle < IdleSteps || (gameController->level.LevelStart->IsPending() && idle < LongestHandOver)) {
    PlayStep(0);
    ++idle;
  }
  if (gameController->level.LevelStart->IsPending()) {
    FuzzFailure("the next level was still scrolling in " + std::to_string(LongestHandOver) +
                " steps after the last input (shift " + std::to_string(gameController->level.NextMap ? gameController->level.NextMap->shiftX : 0) + ", " +
                std::to_string(gameController->level.NextMap ? gameController->level.NextMap->shiftY : 0) + ")");
  }
  ReleaseSharedGameState();
  return 0;
}
