#include "puzzle/key_state.h"

#include "puzzle/roll_rule.h"

keyStateType keyStateType::FromMap(const mapType& map) { return FromIndex(RollRule(map).StartLocks()); }

int keyStateType::Index() const { return state[0] + 2 * state[1]; }

void keyStateType::Toggle(const mapType& map, int x, int y) {
  *this = FromIndex(RollRule(map).AfterKey(x, y, Index()));
}
