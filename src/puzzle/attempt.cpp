#include "puzzle/attempt.h"

#include <utility>

#include "puzzle/shortest_way.h"

void Attempt::Begin(const mapType& map) {
  steps_.clear();
  moves_ = 0;
  hints_ = 0;
  par_ = LeastMoves(map);
}

void Attempt::BeforeMove(const LevelState& level) {
  Keep(level);
  ++moves_;
}

void Attempt::BeforeRestart(const LevelState& level) {
  // A restart at the start changes nothing worth taking back.
  if (moves_ == 0) return;
  Keep(level);
  moves_ = 0;
}

bool Attempt::Undo(LevelState& level) {
  if (steps_.empty() || (level.LevelStart && level.LevelStart->IsPending())) return false;
  Step step = std::move(steps_.back());
  steps_.pop_back();
  step.before.ParticleChain = level.ParticleChain;
  step.before.listener = level.listener;
  level = std::move(step.before);
  moves_ = step.moves;
  return true;
}

void Attempt::Keep(const LevelState& level) {
  Step step{level, moves_};
  // The sparks of the moment are not part of the position.
  step.before.ClearParticles();
  steps_.push_back(std::move(step));
  if (steps_.size() > MostSteps) steps_.pop_front();
}
