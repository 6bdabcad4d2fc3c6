#include "app/editor_keys.h"

#include <memory>

#include "app/developer_mode.h"
#include "app/game_controller.h"
#include "app/in_game_input.h"
#include "app/level_finish.h"
#include "game_version.h"
#include "platform/host/diagnostics.h"
#include "platform/host/input.h"
#include "puzzle/editor_mode.h"
#include "puzzle/map.h"
#include "puzzle/map_solver.h"
#include "services/resources.h"

using namespace platform;

namespace {

// Windows virtual-key codes beyond the letters and digits.
constexpr int EnterKey = 13;
constexpr int EqualsKey = 187;
constexpr int MinusKey = 189;
constexpr int OpenBracketKey = 219;
constexpr int CloseBracketKey = 221;
constexpr int Keypad0 = 96;
constexpr int LeftButton = 1;
constexpr int RightButton = 2;

constexpr int LastArtStyle = levels::Last / levels::GroupSize;

// The first key or button that applies acts; the rest wait for a later step.
void Edit(GameController& game, int playerControl) {
  LevelState& level = game.level;
  mapType& map = *level.CurrentMap;
  mapSolverType& solver = game.mapSolver;
  const int cellX = game.input.PointerCellX();
  const int cellY = game.input.PointerCellY();
  // Every change of a tile shows the new distances at once.
  auto setTile = [&](int type) {
    map.SetTile(cellX, cellY, type);
    solver.Solve(map);
  };

  if (KeyHit('Z') && playerControl == 1) {
    map.Randomize(8);
    solver.Solve(map);
    return;
  }
  for (int digit = 1; digit <= 9; ++digit) {
    if (KeyHit('0' + digit)) {
      game.StartLevel((digit - 1) * levels::GroupSize);
      return;
    }
  }
  if (KeyHit('0')) {
    game.StartLevel(79);
    return;
  }
  if (KeyHit(OpenBracketKey)) {
    game.StartLevel(map.number - 1);
    return;
  }
  if (KeyHit(CloseBracketKey)) {
    game.StartLevel(map.number + 1);
    return;
  }
  if (KeyHit('L')) {
    map.Load();
    OpenHintPage(game, map.number);
    solver.Solve(map);
    return;
  }
  if (KeyHit(EnterKey)) {
    map.Save(1);
    return;
  }
  if (KeyHit('P')) {
    solver.Solve(map);
    return;
  }
  if (KeyHit('N')) {
    FinishLevel(game, false);
    if (level.NextMap) solver.CreateNextMap(map, *level.NextMap);
    return;
  }
  if (MouseDown(LeftButton)) {
    if (map.IsEditable(cellX, cellY)) setTile(tile::Void);
    return;
  }
  if (MouseDown(RightButton)) {
    const bool isExit = cellX == map.exitX && cellY == map.exitY;
    if (map.IsEditable(cellX, cellY) || isExit) setTile(tile::Floor);
    return;
  }
  if (KeyHit(EqualsKey)) {
    setTile(tile::Start);
    return;
  }
  if (KeyHit(MinusKey)) {
    setTile(tile::Exit);
    return;
  }
  if (KeyHit('Q')) {
    solver.CycleShownState();
    return;
  }
  if (KeyDown('I')) {
    setTile(tile::FirstKey);
    return;
  }
  if (KeyHit('O')) {
    setTile(tile::FirstLock);
    return;
  }
  if (KeyDown('Y')) {
    setTile(tile::LastKey);
    return;
  }
  if (KeyHit('U')) {
    setTile(tile::LastLock);
    return;
  }
  for (int digit = 0; digit <= 9; ++digit) {
    if (KeyHit(Keypad0 + digit)) {
      setTile(tile::FirstTeleport + digit);
      return;
    }
  }
  if (KeyHit('A')) {
    map.artStyle = map.artStyle >= LastArtStyle ? 0 : map.artStyle + 1;
    Resources::SelectBackground(map.artStyle);
  }
}

}  // namespace

void UpdateEditorKeys(GameController& game, int playerControl) {
  // Starting a level replaces the current map, which the edit is working on:
  // it stays alive until the step is over.
  const std::shared_ptr<mapType> keepAlive = game.level.CurrentMap;

  if (KeyHit('V')) Notify("Version " MARROWICK_VERSION);
  if (DeveloperMode == 1 && KeyHit('E')) {
    if (EditorMode == 0) {
      EditorMode = 1;
      game.mapSolver.Solve(*game.level.CurrentMap);
      FlushKeys();
    } else {
      EditorMode = 0;
    }
    return;
  }
  if (EditorMode == 0) return;
  Edit(game, playerControl);
}

void SolveArrivedLevel(GameController& game) {
  if (EditorMode == 1) game.mapSolver.Solve(*game.level.CurrentMap);
}
