#pragma once
// A level screen without a display: the game's shared objects made fresh in a
// temporary working folder, hand-drawn maps, level files written byte by byte,
// and the controller's level-loop step run one 1/60 s step at a time.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/game_controller.h"
#include "app/in_game_buttons.h"
#include "app/in_game_input.h"
#include "app/token_column.h"
#include "menus/world_map.h"
#include "platform/diagnostics.h"
#include "platform/random.h"
#include "platform/stream_temp_folder.h"
#include "puzzle/ball.h"
#include "puzzle/editor_mode.h"
#include "puzzle/flash.h"
#include "puzzle/level_start.h"
#include "puzzle/map.h"
#include "puzzle/particles.h"
#include "services/game_log.h"
#include "services/progress.h"
#include "services/sound_manager.h"
#include "support/shared_game_state.h"

// One character per cell, 14 rows of 20:
//   ' ' void   '.' floor   '#' wall   'S' start   'E' exit
//   'a' key 31 'b' key 32  'A' lock 33 'B' lock 34  '0'-'9' teleports 16-25
//   '?' code 7, which the game does not know
using Picture = std::vector<std::string>;

inline int CodeOf(char c) {
  switch (c) {
    case ' ': return 0;
    case 'S': return 1;
    case 'E': return 2;
    case '.': return 3;
    case '#': return 10;
    case 'a': return 31;
    case 'b': return 32;
    case 'A': return 33;
    case 'B': return 34;
    case '?': return 7;
    default: return c >= '0' && c <= '9' ? 16 + (c - '0') : 0;
  }
}

inline TileGrid GridOf(const Picture& rows) {
  TileGrid grid{};
  for (int y = 0; y < board::Height && y < static_cast<int>(rows.size()); ++y) {
    for (int x = 0; x < board::Width && x < static_cast<int>(rows[y].size()); ++x) grid[x][y] = CodeOf(rows[y][x]);
  }
  return grid;
}

// The bytes of a level file in the current layout.
inline std::vector<uint8_t> LevelBytes(const TileGrid& grid, int shiftX = 0, int shiftY = 0, int artStyle = 0) {
  std::vector<uint8_t> bytes;
  auto put = [&bytes](int32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
  };
  put(2);
  put(artStyle);
  put(-1);
  for (const auto& column : grid) {
    for (int code : column) put(code);
  }
  put(shiftX);
  put(shiftY);
  return bytes;
}

inline int32_t IntAt(const std::vector<uint8_t>& bytes, size_t offset) {
  return static_cast<int32_t>(bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
                              static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

class PuzzleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(folder.Path() / "levels");
    platform::SeedRnd(1234);
    platform::SetDebugLogHook([this](const std::string& line) { log.push_back(line); });
    progress = Progress::Create(0);
    gameLog = std::make_shared<GameLog>();
    soundManager = std::make_shared<SoundManager>();
    soundManager->SetEffectsVolume(1.0f);
    gameController = GameController::Create();
    inGameButtons = InGameButtons::Create();
    worldMap = WorldMap::Create();
    FillParticleTables();
    ClearParticles();
    InputState::ClearRequests();
    EditorMode = 0;
    ScrollTotalX = ScrollTotalY = 63;
    log.clear();
  }

  void TearDown() override {
    platform::SetDebugLogHook({});
    ReleaseSharedGameState();
  }

  void WriteLevel(int number, const Picture& rows, int shiftX = 0, int shiftY = 0) {
    folder.Write("levels/" + std::to_string(number) + ".lvl", LevelBytes(GridOf(rows), shiftX, shiftY));
  }

  // The level as the game starts it: loaded, at rest, the ball on its start.
  void StartAt(int number) {
    CurrentMap = mapType::Create(number);
    gameLog->LevelBegin(number);
    LevelStart = levelStartType::Create(0, 0, 0);
    progress->SelectLevel(number);
    LevelStart->Start();
  }

  // A map drawn in the test, played without a file behind it.
  void Play(const Picture& rows, int number = 7) {
    CurrentMap = std::make_shared<mapType>();
    CurrentMap->number = number;
    CurrentMap->tiles = GridOf(rows);
    for (int x = 0; x < board::Width; ++x) {
      for (int y = 0; y < board::Height; ++y) {
        if (CurrentMap->tiles[x][y] == 1) CurrentMap->startX = x, CurrentMap->startY = y;
        if (CurrentMap->tiles[x][y] == 2) CurrentMap->exitX = x, CurrentMap->exitY = y;
      }
    }
    CurrentMap->lockState = CurrentMap->lockInitial = {0, 1};
    LevelStart = levelStartType::Create(0, 0, 0);
    LevelStart->Start();
  }

  // One step of the level loop, the controller's own; `held` is the request the
  // input poll raised for this step (a pointer to a flag, or none).
  void Step(int* held = nullptr) {
    InputState::ClearRequests();
    if (held) *held = 1;
    gameController->PlayStep();
  }

  void Steps(int count, int* held = nullptr) {
    for (int i = 0; i < count; ++i) Step(held);
  }

  // Holds a direction until the ball has rolled as far as it goes and rests again.
  void Move(int& request, int limit = 200) {
    Step(&request);
    for (int i = 0; i < limit && !Resting(); ++i) Step();
  }

  bool Resting() const { return CurrentMap->ball->direction == 0; }
  ballType& Ball() const { return *CurrentMap->ball; }
  bool Logged(const std::string& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }

  TempFolder folder;
  std::vector<std::string> log;
};
