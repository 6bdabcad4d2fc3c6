// Keys change the lock of their colour once per attempt; the way through a lock
// is decided the moment its key is reached, while its picture fades over 40
// steps. Teleports come in pairs and send the ball on from the partner tile.

#include "platform/diagnostics.h"
#include "platform/text.h"
#include "puzzle/ball.h"
#include "puzzle/key_state.h"
#include "puzzle/map.h"
#include "puzzle/teleport_pairs.h"

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
  const int state = snapshot ? snapshot->state[c] : lockState[c];
  if (state == Closed) return 0;
  if (state == Open) return 1;
  // Changing: a lock that is closing already blocks, one that is opening already lets through.
  return lockInitial[c] == 1 ? 0 : 1;
}

int mapType::UseKey(int x, int y) {
  // Unknown codes can share a kind's number (code 5 answers as a key): only the
  // real key codes name a lock colour.
  if (TileKind(x, y) != tilekind::Key) return 0;
  const int code = tiles[x][y];
  if (code < tile::FirstKey || code > tile::LastKey) return 0;
  const int c = code - tile::FirstKey;
  if (lockState[c] == Changing) return 0;
  if (lockState[c] == Closed && lockInitial[c] == 0) {
    platform::DebugLog("Opened " + platform::Str(code));
    lockState[c] = Changing;
    return 1;
  }
  if (lockState[c] == Open && lockInitial[c] == 1) {
    platform::DebugLog("Closed " + platform::Str(code));
    lockState[c] = Changing;
    return -1;
  }
  return 0;
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
  MoveBallToCode(ball, TeleportPartner(tiles[ball.cellX][ball.cellY]));
}

void mapType::MoveBallToCode(ballType& ball, int code) {
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      if (tiles[x][y] == code) {
        ball.cellX = x;
        ball.cellY = y;
        return;
      }
    }
  }
}
