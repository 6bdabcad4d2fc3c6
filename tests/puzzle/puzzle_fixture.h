#pragma once
// A level without a display or a game around it: a LevelState of its own in a
// temporary working folder, hand-drawn maps, level files written byte by byte,
// and the level's step run one 1/60 s step at a time with what it reports
// written down.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/host/diagnostics.h"
#include "platform/host/random.h"
#include "platform/stream_temp_folder.h"
#include "puzzle/ball.h"
#include "puzzle/editor_mode.h"
#include "puzzle/level_start.h"
#include "puzzle/level_state.h"
#include "puzzle/map.h"
#include "puzzle/particles.h"
#include "services/level_numbers.h"
#include "services/progress.h"
#include "support/game_paths.h"

// One character per cell, 14 rows of 20:
//   ' ' void   '.' floor   '#' wall   'S' start   'E' exit
//   'a' key 31 'b' key 32  'A' lock 33 'B' lock 34  '0'-'9' teleports 16-25
//   '?' code 7, which the game does not know
using Picture = std::vector<std::string>;

// A walled room with the start in the middle, open every way.
inline const Picture Room = {
    "####################",
    "#..................#",
    "#..................#",
    "#........S.........#",
    "#..................#",
    "#..................#",
    "####################",
};

// Down from the start takes the silver key, which shuts the gateway before the
// exit: from there no way leads out.
inline const Picture ShutGateway = {
    "##########",
    "#S..B...E#",
    "#.########",
    "#b########",
    "#.########",
    "##########",
};

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

// What the level reported, one line per report, in order.
class RecordingListener : public LevelListener {
 public:
  std::vector<std::string> heard;

  void PlaySound(LevelSound sound) override {
    switch (sound) {
      case LevelSound::Restart: heard.push_back("sound restart"); break;
      case LevelSound::LockOpened: heard.push_back("sound lock opened"); break;
      case LevelSound::LockClosed: heard.push_back("sound lock closed"); break;
      case LevelSound::Teleport: heard.push_back("sound teleport"); break;
    }
  }
  void RampBallVolume(int steps) override { ballVolume += steps; }
  void RestartFlash() override { heard.push_back("flash"); }
  void InputSpent() override { heard.push_back("input spent"); }
  void LevelEnded(bool solved) override { heard.push_back(solved ? "solved" : "skipped"); }
  void HandOverFinished(const levelStartType&) override { heard.push_back("handed over"); }
  void LevelBegun(int number) override { heard.push_back("begun " + std::to_string(number)); }

  int Count(const std::string& line) const { return static_cast<int>(std::count(heard.begin(), heard.end(), line)); }
  int ballVolume = 0;  // the sum of the ramps asked for
};

// Which request a step holds: Step(Right) is the right arrow held for that step.
using Request = bool PlayRequests::*;
constexpr Request Up = &PlayRequests::up;
constexpr Request Down = &PlayRequests::down;
constexpr Request Left = &PlayRequests::left;
constexpr Request Right = &PlayRequests::right;
constexpr Request RestartRequest = &PlayRequests::restart;
constexpr Request SkipRequest = &PlayRequests::skip;

class PuzzleTest : public ::testing::Test {
 protected:
  PuzzleTest() : level(ownLevel) { ownLevel.listener = &events; }
  // For fixtures whose level belongs to something else (the game controller).
  explicit PuzzleTest(LevelState& played) : level(played) {}

  void SetUp() override {
    std::filesystem::create_directory(folder.Path() / "levels");
    platform::SeedRnd(1234);
    platform::SetDebugLogHook([this](const std::string& line) { log.push_back(line); });
    FillParticleTables();
    EditorMode = 0;
    log.clear();
  }

  void TearDown() override { platform::SetDebugLogHook({}); }

  void WriteLevel(int number, const Picture& rows, int shiftX = 0, int shiftY = 0) {
    folder.Write("levels/" + std::to_string(number) + ".lvl", LevelBytes(GridOf(rows), shiftX, shiftY));
  }

  // The level as the game starts it: loaded, at rest, the ball on its start.
  virtual void StartAt(int number) {
    level.CurrentMap = mapType::Create(number);
    level.LevelStart = levelStartType::Create(0, 0, 0);
    level.LevelStart->Start(level);
  }

  // The shipped levels of the built game, into this test's levels folder.
  void CopyShippedLevels() {
    for (int n = 0; n <= levels::Last; ++n) {
      const std::string name = std::to_string(n) + ".lvl";
      std::filesystem::copy_file(std::filesystem::path(GameDir()) / "levels" / name, folder.Path() / "levels" / name);
    }
  }

  // A map drawn in the test, played without a file behind it.
  void Play(const Picture& rows, int number = 7) {
    level.CurrentMap = std::make_shared<mapType>();
    level.CurrentMap->number = number;
    level.CurrentMap->tiles = GridOf(rows);
    for (int x = 0; x < board::Width; ++x) {
      for (int y = 0; y < board::Height; ++y) {
        if (level.CurrentMap->tiles[x][y] == 1) level.CurrentMap->startX = x, level.CurrentMap->startY = y;
        if (level.CurrentMap->tiles[x][y] == 2) level.CurrentMap->exitX = x, level.CurrentMap->exitY = y;
      }
    }
    level.CurrentMap->lockState = level.CurrentMap->lockInitial = {0, 1};
    level.LevelStart = levelStartType::Create(0, 0, 0);
    level.LevelStart->Start(level);
  }

  // One step of the level with `held` (if any) asked for in it.
  virtual void Step(Request held = nullptr) {
    PlayRequests requests;
    if (held) requests.*held = true;
    level.Step(requests, 1);
  }

  void Steps(int count, Request held = nullptr) {
    for (int i = 0; i < count; ++i) Step(held);
  }

  // Holds a direction until the ball has rolled as far as it goes and rests again.
  void Move(Request direction, int limit = 200) {
    Step(direction);
    for (int i = 0; i < limit && !Resting(); ++i) Step();
  }

  bool Resting() const { return level.CurrentMap->ball->direction == 0; }
  ballType& Ball() const { return *level.CurrentMap->ball; }
  bool Logged(const std::string& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }

  TempFolder folder;
  std::vector<std::string> log;
  RecordingListener events;

 private:
  LevelState ownLevel;  // the level of the fixtures that play one of their own

 protected:
  LevelState& level;
};
