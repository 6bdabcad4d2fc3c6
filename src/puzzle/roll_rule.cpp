#include "puzzle/roll_rule.h"

#include "puzzle/key_state.h"
#include "puzzle/map.h"
#include "puzzle/teleport_pairs.h"

namespace {

constexpr int Closed = 0;
constexpr int Open = 1;

}  // namespace

CellEffect RollRule::EffectAt(int x, int y) const {
  switch (map_.TileKind(x, y)) {
    case tilekind::OffGrid: return CellEffect::OffBoard;
    case tilekind::Exit: return CellEffect::Exit;
    case tilekind::Teleport: return CellEffect::Teleport;
    case tilekind::Key: return KeyColour(x, y) >= 0 ? CellEffect::Key : CellEffect::Plain;
    default: return CellEffect::Plain;
  }
}

bool RollRule::MayEnter(int x, int y, int locks) const {
  const keyStateType snapshot = keyStateType::FromIndex(locks);
  return map_.CanEnter(x, y, &snapshot) != 0;
}

BoardCell RollRule::PartnerOf(int x, int y) const {
  if (!board::Contains(x, y)) return {x, y};
  const int code = TeleportPartner(map_.tiles[x][y]);
  for (int px = 0; px < board::Width; ++px) {
    for (int py = 0; py < board::Height; ++py) {
      if (map_.tiles[px][py] == code) return {px, py};
    }
  }
  return {x, y};
}

// Unknown codes can share a kind's number (code 5 answers as a key): only the
// real key codes name a lock colour.
int RollRule::KeyColour(int x, int y) const {
  if (map_.TileKind(x, y) != tilekind::Key) return -1;
  const int code = map_.tiles[x][y];
  return code >= tile::FirstKey && code <= tile::LastKey ? code - tile::FirstKey : -1;
}

int RollRule::AfterKey(int x, int y, int locks) const {
  const int colour = KeyColour(x, y);
  if (colour < 0) return locks;
  const int turned = map_.lockInitial[colour] != 0 ? Closed : Open;
  return (locks & ~(1 << colour)) | turned << colour;
}

int RollRule::StartLocks() const {
  int locks = 0;
  for (int c = 0; c < mapType::lockCount; ++c) locks |= (map_.lockInitial[c] != 0 ? Open : Closed) << c;
  return locks;
}

int RollRule::LocksInPlay() const {
  int locks = 0;
  for (int c = 0; c < mapType::lockCount; ++c) {
    const int state = map_.lockState[c];
    const int settled = state == Closed || state == Open ? state : map_.lockInitial[c] == 1 ? Closed : Open;
    locks |= settled << c;
  }
  return locks;
}

Arrival RollRule::Arrive(int x, int y, int direction, int locks) const {
  return ArriveOn(*this, x, y, direction, locks);
}
