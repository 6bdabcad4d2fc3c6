#include "puzzle/level_start.h"

#include <algorithm>
#include <cstdlib>

#include "app/in_game_buttons.h"
#include "app/token_column.h"
#include "menus/world_map.h"
#include "platform/diagnostics.h"
#include "puzzle/map.h"
#include "puzzle/particles.h"
#include "services/game_log.h"
#include "services/progress.h"
#include "services/resources.h"
#include "services/sound_manager.h"

std::shared_ptr<levelStartType> LevelStart;
int ScrollTotalX = 63;
int ScrollTotalY = 63;

namespace {

constexpr int MaxScrollStep = 8;  // pixels per step on each axis

int ScrollStep(int target, int offset) {
  const int distance = target - offset;
  const int size = std::min(std::abs(distance), MaxScrollStep);
  return distance < 0 ? -size : size;
}

}  // namespace

std::shared_ptr<levelStartType> levelStartType::Create(int dx, int dy, int finishing) {
  auto start = std::make_shared<levelStartType>();
  start->targetX = dx;
  start->targetY = dy;
  start->pending = finishing;
  start->groupPosition = progress->PositionInGroup(-1);
  TokenColumn& tokens = *inGameButtons->tokenColumn;

  if (finishing == 0) {
    tokens.Reset();
    return start;
  }
  if (start->groupPosition == levels::GroupSize - 1) {
    start->groupDone = 1;
    worldMap->Show();
    soundManager->PlayOohOoh();
  } else {
    start->groupDone = 0;
    if (CurrentMap && CurrentMap->number >= 0) soundManager->PlayOoh(start->groupPosition);
  }
  tokens.Reveal(start->groupPosition);
  return start;
}

std::shared_ptr<levelStartType> levelStartType::Hold() {
  auto hold = Create(CurrentMap->OffsetX(), CurrentMap->OffsetY(), 0);
  hold->pending = 1;  // with no next map it never hands over
  return hold;
}

int levelStartType::IsPending() const { return pending; }

void levelStartType::Update() {
  const int stepX = ScrollStep(targetX, CurrentMap->OffsetX());
  const int stepY = ScrollStep(targetY, CurrentMap->OffsetY());
  if (stepX != 0 || stepY != 0) {
    ScrollAll(stepX, stepY);
  } else if (pending != 0 && NextMap) {
    Swap();
    Start();
    pending = 0;
  }
  inGameButtons->tokenColumn->Update();
}

void levelStartType::ResumeAfterMap() {
  Resources::SelectBackground(CurrentMap->artStyle);
  inGameButtons->tokenColumn->Refresh();
}

void levelStartType::Swap() {
  CurrentMap = NextMap;
  NextMap = nullptr;
  gameLog->LevelBegin(CurrentMap->number);
}

void levelStartType::Start() {
  // After the fifth level of a group the world map selects the new art style
  // when it closes; a map dismissed before the scroll ended (gone or still
  // fading out) has done so too early, for the old level, so the new level
  // selects its own.
  const bool mapDismissed = worldMap->state == MenuScreen::Hidden || worldMap->state == MenuScreen::FadingOut;
  if (groupDone == 0 || mapDismissed) Resources::SelectBackground(CurrentMap->artStyle);
  platform::DebugLog("start level");
  CurrentMap->IntroSparkles();
  CurrentMap->Restart();
  targetX = CurrentMap->OffsetX();
  targetY = CurrentMap->OffsetY();
}

void levelStartType::ScrollAll(int dx, int dy) {
  CurrentMap->Scroll(dx, dy);
  if (NextMap) NextMap->Scroll(dx, dy);
  if (ParticleChain) ParticleChain->Shift(dx, dy);
  ScrollTotalX += dx;
  ScrollTotalY += dy;
}
