// Keys change the lock of their colour once per attempt; the way through a lock
// is decided the moment its key is reached, while its picture fades over 40
// steps. Teleports come in pairs and send the ball on from the partner tile.
// Which colour a key turns and where a teleport leads is the roll rule's to say.

#include "platform/host/diagnostics.h"
#include "platform/host/text.h"
#include "puzzle/ball.h"
#include "puzzle/key_state.h"
#include "puzzle/map.h"
#include "puzzle/roll_rule.h"

namespace {

constexpr int Closed = 0;
constexpr int Open = 1;
constexpr int Changing = 2;
constexpr int ChangeSteps = 40;

}  // namespace

int mapType::CanEnter(int x, int y, const keyStateType* snapshot) const {
  if (!board::Contains(x, y)) return 1;
  const int code = tiles[x][y];
  if (code >= wallMin && code <= wallMax) return 0;
  if (code < tile::FirstLock || code > tile::LastLock) return 1;

  const int c = code - tile::FirstLock;
  const int state = snapshot ? snapshot->state[c] : RollRule(*this).LocksInPlay() >> c & 1;
  return state == Open ? 1 : 0;
}

int mapType::UseKey(int x, int y) {
  const RollRule rule(*this);
  const int before = rule.LocksInPlay();
  const int after = rule.AfterKey(x, y, before);
  // Not a key, or its colour is changing or has changed already.
  if (after == before) return 0;
  const int c = tiles[x][y] - tile::FirstKey;
  lockState[c] = Changing;
  if ((after >> c & 1) == Open) {
    platform::DebugLog("Opened " + platform::Str(tiles[x][y]));
    return 1;
  }
  platform::DebugLog("Closed " + platform::Str(tiles[x][y]));
  return -1;
}

void mapType::UpdateLocks() {
  for (int c = 0; c < lockCount; ++c) {
    if (lockState[c] != Changing) continue;
    lockTimer[c] += 1;
    platform::DebugLog(platform::Str(lockTimer[c]));
    // The timer stays at its end until the next restart.
    if (lockTimer[c] == ChangeSteps) lockState[c] = lockInitial[c] == 0 ? Open : Closed;
  }
}

void mapType::Teleport(ballType& ball) {
  if (TileKind(ball.cellX, ball.cellY) != tilekind::Teleport) return;
  const BoardCell partner = RollRule(*this).PartnerOf(ball.cellX, ball.cellY);
  ball.cellX = partner.x;
  ball.cellY = partner.y;
}
