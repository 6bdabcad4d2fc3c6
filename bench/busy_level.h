#pragma once
// The busy level the frame benchmarks draw, made from the game's own media:
// all 280 cells walls in a bordered style with glow on every one, 500
// particles spread by a second of their own motion, the tiled background, the
// frame picture, the buttons and a full token column.

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <memory>

#include "app/game_controller.h"
#include "app/in_game_buttons.h"
#include "app/token_column.h"
#include "menus/mouse_button.h"
#include "platform/render/graphics.h"
#include "platform/host/random.h"
#include "puzzle/ball.h"
#include "puzzle/map.h"
#include "puzzle/particles.h"
#include "services/progress.h"
#include "services/resources.h"
#include "services/sound_manager.h"

constexpr int BusyParticles = 500;
constexpr int BoardOrigin = 47;

// The benchmark's game, with a progress of nothing done for its token column
// and no sounds loaded.
inline std::shared_ptr<GameController> MakeBenchGame() {
  auto game = GameController::Create();
  game->progress = std::make_shared<Progress>();
  game->soundManager = std::make_shared<SoundManager>();
  return game;
}
inline const std::shared_ptr<GameController> gameController = MakeBenchGame();

// The whole process's CPU time: the software GL driver draws on threads of its own.
inline double ProcessCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

inline void LoadGameMedia(const std::filesystem::path& gameDir) {
  using namespace platform;
  const auto here = std::filesystem::current_path();
  std::filesystem::current_path(gameDir);
  AutoImageFlags(0);
  AutoMidHandle(true);
  Resources::LoadMedia();
  trailImages = {LoadImage("media\\trail.png"), LoadImage("media\\shade.png"), LoadImage("media\\spark.png")};
  tokenImage = LoadAnimImage("media\\tokens.png", 40, 40, 0, 2);
  gameController->inGameButtons = InGameButtons::Create(*gameController->progress);
  std::filesystem::current_path(here);
}

// 500 trail particles at full strength that never fade, spread by a second of
// their own motion from the ball's cell; the same every time it is made.
inline void MakeBusyParticles() {
  platform::SeedRnd(7);
  gameController->level.ClearParticles();
  Emit(3, 32 * 10, 32 * 7, static_cast<float>(BusyParticles), 0, 0, gameController->level.Particles());
  for (particleNodeType* node = gameController->level.ParticleChain->next.get(); node; node = node->next.get()) {
    static_cast<particleType*>(node)->fade = 0;
  }
  for (int step = 0; step < 60; ++step) gameController->level.UpdateParticles();
}

inline void LightEveryCell() {
  for (auto& column : gameController->level.CurrentMap->glow) column.fill(24);
}

// Every cell a wall of one of the six looks, lit, with the ball resting in the
// middle, the busy particles, every token and every button glowing.
inline void MakeBusyLevel() {
  FillParticleTables();
  backgroundIndex = -1;
  Resources::SelectBackground(2);
  gameController->level = LevelState();
  gameController->level.CurrentMap = std::make_shared<mapType>();
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) gameController->level.CurrentMap->tiles[x][y] = tile::FirstWall + (x + y) % 6;
  }
  gameController->level.CurrentMap->startX = board::Width / 2;
  gameController->level.CurrentMap->startY = board::Height / 2;
  gameController->level.CurrentMap->lockState = gameController->level.CurrentMap->lockInitial = {0, 1};
  gameController->level.CurrentMap->Restart();
  InGameButtons& buttons = *gameController->inGameButtons;
  buttons.tokenColumn->tokenState.fill(1);
  buttons.tokenColumn->tokenAlpha.fill(1.0f);
  for (const auto& button : buttons.buttons) {
    if (button) button->fade = MouseButton::kFullFade;
  }
  MakeBusyParticles();
  LightEveryCell();
}

// The level loop's frame, recorded: background, particles behind, the map,
// the frame picture with the token column and buttons, particles in front.
inline void RecordPlayFrame() {
  using namespace platform;
  SetOrigin(32, 30);
  GameController::ResetDrawState();
  gameController->DrawBackground();
  DrawParticlesBehind(*gameController->level.ParticleChain, BoardOrigin, BoardOrigin);
  GameController::ResetDrawState();
  gameController->level.CurrentMap->Draw(BoardOrigin, BoardOrigin, 1);
  SetOrigin(0, 0);
  GameController::ResetDrawState();
  gameController->inGameButtons->Draw();
  SetOrigin(32, 30);
  DrawParticlesInFront(*gameController->level.ParticleChain, BoardOrigin, BoardOrigin);
  SetOrigin(0, 0);
}

// The frame recorded and presented at once, unpaced.
inline void DrawPlayFrame() {
  RecordPlayFrame();
  platform::Flip(0);
}
