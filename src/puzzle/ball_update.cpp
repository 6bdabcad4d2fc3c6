// One step of the ball: rolling a third of a cell, or resting on a cell centre
// where it may finish, fall off, teleport, use a key or take a new direction.

#include "app/game_controller.h"
#include "app/in_game_input.h"
#include "platform/diagnostics.h"
#include "platform/random.h"
#include "puzzle/ball.h"
#include "puzzle/flash.h"
#include "puzzle/level_start.h"
#include "puzzle/map.h"
#include "puzzle/particles.h"
#include "puzzle/roll_rule.h"
#include "services/game_log.h"
#include "services/sound_manager.h"

namespace {

constexpr int TrailParticle = 3;
constexpr int BurstParticle = 4;

// Falling off the board or asking to restart: a white flash and the level as it began.
void RestartEffect() {
  soundManager->PlayRestart();
  gameController->flash = flashType::Create(0.06f, 1.0f);
  CurrentMap->Restart();
}

// A sparkle at a resting ball, every other step on average.
void MaybeSparkle(const ballType& ball) {
  if (platform::Rand(0, 1) == 1) Emit(TrailParticle, ball.PixelX(), ball.PixelY(), 1.0f, 0, 0);
}

// Sub-steps run -2..2; the third one lands on the next cell's centre.
void AdvanceSubStep(int& sub, int& cell, int step) {
  sub += step;
  if (sub == 3 * step) {
    sub = 0;
    cell += step;
  }
}

}  // namespace

void ballType::Update(int playerControl, int /*paused*/) {
  spin += 1;
  LightNeighbours();

  // While the board scrolls to the next level the ball only sparkles.
  if (LevelStart && LevelStart->IsPending()) {
    MaybeSparkle(*this);
    return;
  }

  int stop = 0;
  int reachedExit = 0;
  if (subX == 0 && subY == 0) {
    const RollRule rule(*CurrentMap);
    const Arrival at = rule.Arrive(cellX, cellY, direction, rule.LocksInPlay());
    if (at.outcome == Arrival::Exit) {
      reachedExit = 1;
      stop = 1;
    } else if (at.outcome == Arrival::FallOff) {
      stop = 1;
      RestartEffect();
    } else if (at.outcome == Arrival::Stop) {
      stop = 1;
    }
    if (at.effect == CellEffect::Teleport) {
      // Onto the partner: the ball leaves it in this same step.
      platform::DebugLog("Teleport");
      CurrentMap->Teleport(*this);
    }
    if (at.effect == CellEffect::Key) CurrentMap->UseKey(cellX, cellY);
  }

  if (requestRestart != 0 && playerControl == 1) {
    RestartEffect();
    return;
  }
  if (requestSkip != 0 && playerControl == 1) {
    Skip();
    return;
  }

  if (stop == 0) {
    switch (direction) {
      case direction::Up: AdvanceSubStep(subY, cellY, -1); break;
      case direction::Down: AdvanceSubStep(subY, cellY, 1); break;
      case direction::Left: AdvanceSubStep(subX, cellX, -1); break;
      case direction::Right: AdvanceSubStep(subX, cellX, 1); break;
      default: break;
    }
    Emit(TrailParticle, PixelX(), PixelY(), 2.0f, 0, 0);
    soundManager->RampBallVolume(4);
    return;
  }

  MaybeSparkle(*this);
  soundManager->RampBallVolume(-1);
  if (reachedExit == 1) {
    soundManager->RampBallVolume(-10);
    Solved();
    return;
  }
  direction = direction::None;
  if (playerControl != 1) return;
  if (requestUp != 0) {
    GoUp();
  } else if (requestLeft != 0) {
    GoLeft();
  } else if (requestRight != 0) {
    GoRight();
  } else if (requestDown != 0) {
    GoDown();
  }
}

void ballType::Solved() {
  Emit(BurstParticle, cellX * board::CellSize, cellY * board::CellSize, 30.0f, 0, 0);
  InputState::ResetInput();
  gameLog->LevelEnd(1);
  CurrentMap->Finish(1);
}

void ballType::Skip() {
  if (CurrentMap->number == levels::Last) return;
  Emit(BurstParticle, CurrentMap->exitX * board::CellSize, CurrentMap->exitY * board::CellSize, 5.0f, 0, 0);
  InputState::ResetInput();
  gameLog->LevelEnd(2);
  CurrentMap->Finish(0);
}
