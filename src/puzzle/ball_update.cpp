// One step of the ball: rolling a third of a cell, or resting on a cell centre
// where it may finish, fall off, teleport, use a key or take a new direction.

#include "platform/host/diagnostics.h"
#include "platform/host/random.h"
#include "puzzle/ball.h"
#include "puzzle/level_state.h"
#include "puzzle/roll_rule.h"

namespace {

constexpr int TrailParticle = 3;
constexpr int BurstParticle = 4;

// Falling off the board or asking to restart: a white flash and the level as it began.
void RestartEffect(LevelState& level, bool fell) {
  level.listener->Restarting(level, fell);
  level.listener->PlaySound(LevelSound::Restart);
  level.listener->RestartFlash();
  level.Restart();
}

// A sparkle at a resting ball, every other step on average.
void MaybeSparkle(const LevelState& level, const ballType& ball) {
  if (platform::Rand(0, 1) == 1) Emit(TrailParticle, ball.PixelX(), ball.PixelY(), 1.0f, 0, 0, level.Particles());
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

void ballType::Update(LevelState& level, const PlayRequests& requests, int playerControl) {
  mapType& map = *level.CurrentMap;
  spin += 1;
  LightNeighbours(map);

  // While the board scrolls to the next level the ball only sparkles.
  if (level.LevelStart && level.LevelStart->IsPending()) {
    MaybeSparkle(level, *this);
    return;
  }

  int stop = 0;
  int reachedExit = 0;
  if (subX == 0 && subY == 0) {
    const RollRule rule(map);
    const Arrival at = rule.Arrive(cellX, cellY, direction, rule.LocksInPlay());
    if (at.outcome == Arrival::Exit) {
      reachedExit = 1;
      stop = 1;
    } else if (at.outcome == Arrival::FallOff) {
      stop = 1;
      RestartEffect(level, true);
    } else if (at.outcome == Arrival::Stop) {
      stop = 1;
    }
    if (at.effect == CellEffect::Teleport) {
      // Onto the partner: the ball leaves it in this same step.
      platform::DebugLog("Teleport");
      level.listener->PlaySound(LevelSound::Teleport);
      map.Teleport(*this);
    }
    if (at.effect == CellEffect::Key) {
      if (const int lock = map.UseKey(cellX, cellY); lock != 0)
        level.listener->PlaySound(lock > 0 ? LevelSound::LockOpened : LevelSound::LockClosed);
    }
  }

  if (requests.restart && playerControl == 1) {
    RestartEffect(level, false);
    return;
  }
  if (requests.skip && playerControl == 1) {
    Skip(level);
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
    Emit(TrailParticle, PixelX(), PixelY(), 2.0f, 0, 0, level.Particles());
    level.listener->RampBallVolume(4);
    return;
  }

  MaybeSparkle(level, *this);
  level.listener->RampBallVolume(-1);
  if (reachedExit == 1) {
    level.listener->RampBallVolume(-10);
    Solved(level);
    return;
  }
  direction = direction::None;
  if (playerControl != 1) return;
  const int chosen = requests.up      ? direction::Up
                     : requests.left  ? direction::Left
                     : requests.right ? direction::Right
                     : requests.down  ? direction::Down
                                      : direction::None;
  if (chosen == direction::None) return;
  // Only a roll that leaves the cell is a move; pushing against a wall is not.
  const RollRule rule(map);
  if (rule.Arrive(cellX, cellY, chosen, rule.LocksInPlay()).outcome != Arrival::Stop) level.listener->MoveStarting(level);
  direction = chosen;
}

void ballType::Solved(LevelState& level) {
  Emit(BurstParticle, cellX * board::CellSize, cellY * board::CellSize, 30.0f, 0, 0, level.Particles());
  level.listener->LevelEnded(true);
}

void ballType::Skip(LevelState& level) {
  const mapType& map = *level.CurrentMap;
  if (map.number == levels::Last) return;
  Emit(BurstParticle, map.exitX * board::CellSize, map.exitY * board::CellSize, 5.0f, 0, 0, level.Particles());
  level.listener->LevelEnded(false);
}
