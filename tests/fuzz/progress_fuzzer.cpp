// "save0.dat" read as the game starts: the progress, its groups, the world
// map's path and the token column built from it, and the level it names
// started. The current level must be one the game has, every state one the
// game knows, and the progress saved again must read back the same.

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/game_controller.h"
#include "app/in_game_buttons.h"
#include "app/token_column.h"
#include "fuzz/fuzz_input.h"
#include "menus/world_map.h"
#include "platform/host/input_state.h"
#include "platform/host/random.h"
#include "puzzle/board.h"
#include "puzzle/particles.h"
#include "services/game_log.h"
#include "services/progress.h"
#include "services/sound_manager.h"
#include "support/test_game.h"

namespace {

// The first level neither solved nor skipped is the current one, and open;
// when every level is finished, the last one is current.
void ExpectUsableProgress(const Progress& loaded) {
  const int current = loaded.currentLevel;
  if (current < 0 || current > levels::Last) FuzzFailure("the save made level " + std::to_string(current) + " current");
  const bool finished = loaded.levelStates[current] == Progress::Solved || loaded.levelStates[current] == Progress::Skipped;
  if (loaded.levelStates[current] != Progress::Open && !(current == levels::Last && finished)) {
    FuzzFailure("the current level " + std::to_string(current) + " is in state " +
                std::to_string(loaded.levelStates[current]) + ", not open");
  }
  for (int level = 0; level < current; ++level) {
    if (loaded.levelStates[level] != Progress::Solved && loaded.levelStates[level] != Progress::Skipped) {
      FuzzFailure("level " + std::to_string(level) + " before the current one is neither solved nor skipped");
    }
  }
  for (int state : loaded.levelStates) {
    if (state < Progress::Locked || state > Progress::Open) FuzzFailure("level state " + std::to_string(state));
  }
  for (int seen : loaded.tutorialSeen) {
    if (seen != 0 && seen != 1) FuzzFailure("tutorial flag " + std::to_string(seen));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  WriteFuzzFile("save0.dat", data, size);
  platform::ResetInputState();
  platform::SeedRnd(1234);
  TestGame game;
  game.LoadProgress();
  std::shared_ptr<Progress>& progress = game.progress;
  ExpectUsableProgress(*progress);

  const Progress loaded = *progress;
  progress->SaveProgress();
  const auto reread = Progress::Create(0);
  if (reread->levelStates != loaded.levelStates || reread->tutorialSeen != loaded.tutorialSeen ||
      reread->currentLevel != loaded.currentLevel) {
    FuzzFailure("the saved progress read back differently");
  }

  // Hint pages are pictures from the media folder: they are fuzzed elsewhere.
  progress->tutorialSeen.fill(1);
  game.gameLog = std::make_shared<GameLog>();
  game.soundManager = std::make_shared<SoundManager>();
  game.gameController->CreateScreens();
  game.inGameButtons = InGameButtons::Create(*progress);
  FillParticleTables();
  game.gameController->StartLevel(progress->currentLevel);
  game.worldMap->Show();
  for (int step = 0; step < 60; ++step) game.worldMap->Update(false);
  return 0;
}
