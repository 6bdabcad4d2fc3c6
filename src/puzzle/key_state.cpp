#include "puzzle/key_state.h"

#include "puzzle/board.h"
#include "puzzle/map.h"

keyStateType keyStateType::FromMap(const mapType& map) {
  keyStateType snapshot;
  for (int c = 0; c < lockCount; ++c) snapshot.state[c] = map.lockInitial[c] != 0 ? 1 : 0;
  return snapshot;
}

int keyStateType::Index() const { return state[0] + 2 * state[1]; }

void keyStateType::Toggle(const mapType& map, int x, int y) {
  if (map.TileKind(x, y) != tilekind::Key) return;
  const int code = map.tiles[x][y];
  if (code < tile::FirstKey || code > tile::LastKey) return;  // code 5 also answers as a key
  const int c = code - tile::FirstKey;
  const int initial = map.lockInitial[c];
  if (state[c] == 0 && initial == 0) {
    state[c] = 1;
  } else if (state[c] == 1 && initial == 1) {
    state[c] = 0;
  }
}
