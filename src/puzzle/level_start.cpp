#include "puzzle/level_start.h"

#include <algorithm>
#include <cstdlib>

#include "platform/host/diagnostics.h"
#include "puzzle/level_state.h"

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
  return start;
}

std::shared_ptr<levelStartType> levelStartType::Hold(const mapType& current) {
  auto hold = Create(current.OffsetX(), current.OffsetY(), 0);
  hold->pending = 1;  // with no next map it never hands over
  return hold;
}

int levelStartType::IsPending() const { return pending; }

void levelStartType::Update(LevelState& level) {
  const int stepX = ScrollStep(targetX, level.CurrentMap->OffsetX());
  const int stepY = ScrollStep(targetY, level.CurrentMap->OffsetY());
  if (stepX != 0 || stepY != 0) {
    ScrollAll(level, stepX, stepY);
  } else if (pending != 0 && level.NextMap) {
    Swap(level);
    level.listener->HandOverFinished(*this);
    Start(level);
    pending = 0;
  }
}

void levelStartType::Swap(LevelState& level) {
  level.CurrentMap = level.NextMap;
  level.NextMap = nullptr;
  level.listener->LevelBegun(level.CurrentMap->number);
}

void levelStartType::Start(LevelState& level) {
  platform::DebugLog("start level");
  level.CurrentMap->IntroSparkles(level.Particles());
  level.Restart();
  targetX = level.CurrentMap->OffsetX();
  targetY = level.CurrentMap->OffsetY();
}

void levelStartType::ScrollAll(LevelState& level, int dx, int dy) {
  level.CurrentMap->Scroll(dx, dy);
  if (level.NextMap) level.NextMap->Scroll(dx, dy);
  level.ParticleChain->Shift(dx, dy);
  level.ScrollTotalX += dx;
  level.ScrollTotalY += dy;
}
