#include "puzzle/level_state.h"

#include "puzzle/ball.h"
#include "puzzle/editor_mode.h"
#include "services/progress.h"

LevelListener LevelState::silent;

LevelState::LevelState(const LevelState& other)
    : CurrentMap(other.CurrentMap ? other.CurrentMap->Copy() : nullptr),
      NextMap(other.NextMap ? other.NextMap->Copy() : nullptr),
      LevelStart(other.LevelStart ? std::make_shared<levelStartType>(*other.LevelStart) : nullptr),
      ParticleChain(other.ParticleChain->CopyChain()),
      ScrollTotalX(other.ScrollTotalX),
      ScrollTotalY(other.ScrollTotalY),
      listener(other.listener),
      progress(other.progress) {}

LevelState& LevelState::operator=(const LevelState& other) {
  if (this != &other) *this = LevelState(other);
  return *this;
}

void LevelState::Step(const PlayRequests& requests, int playerControl) {
  StepHandOver();
  StepMap(requests, playerControl);
  UpdateParticles();
}

void LevelState::StepHandOver() {
  if (LevelStart) LevelStart->Update(*this);
}

void LevelState::StepMap(const PlayRequests& requests, int playerControl) {
  // The ball may finish the level and start the hand-over, which keeps the
  // map it was on as the current one until the scroll ends.
  const std::shared_ptr<mapType> map = CurrentMap;
  if (EditorMode == 0 && map->ball) map->ball->Update(*this, requests, playerControl);
  map->DecayGlow();
  map->UpdateLocks();
}

void LevelState::Restart() {
  listener->InputSpent();
  CurrentMap->Restart();
}

ParticleSink LevelState::Particles() const {
  return {*ParticleChain, CurrentMap ? CurrentMap->OffsetX() : 0, CurrentMap ? CurrentMap->OffsetY() : 0,
          progress ? progress->PositionInGroup(-1) : 0};
}
