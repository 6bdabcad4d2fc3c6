#include "app/play_aids.h"

#include "app/move_counter.h"
#include "puzzle/ball.h"
#include "puzzle/level_state.h"
#include "puzzle/shortest_way.h"
#include "services/sound_manager.h"

void PlayAids::TakeRequests(LevelState& level, const PlayRequests& requests, int playerControl, SoundManager& sounds) {
  hint.Update(level);
  if (playerControl != 1 || !level.CurrentMap || !level.CurrentMap->ball) return;
  if (requests.undo && attempt.Undo(level)) {
    hint.Clear();
    // A direction still held does not roll the ball straight off again.
    level.listener->InputSpent();
    sounds.PlayUndo();
  }
  if (requests.hint) GiveHint(level);
}

// From where the ball rests: a ball still rolling has no resting place to
// start from yet, and the press is let go.
void PlayAids::GiveHint(const LevelState& level) {
  const mapType& map = *level.CurrentMap;
  if (!map.ball->IsResting() || (level.LevelStart && level.LevelStart->IsPending())) return;
  const auto way = ShortestWay(map, RestingBallOn(map));
  if (way) {
    hint.ShowMove(way->front());
  } else {
    hint.ShowNoWay();
  }
  attempt.CountHint();
  records.NoteHint(map.number);
}

void PlayAids::LevelEnded(const LevelState& level, bool solved) {
  hint.Clear();
  if (solved && level.CurrentMap) {
    records.NoteSolved(level.CurrentMap->number, attempt.Moves(), attempt.Par(), attempt.Hints());
  }
}

void PlayAids::Draw(const LevelState& level) {
  DrawMoveCounter(attempt);
  hint.Draw(level);
}
