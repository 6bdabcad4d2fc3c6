#pragma once
// Teleports pair up 16-17, 18-19, 20-21, 22-23, 24-25.

#include "puzzle/board.h"

inline int TeleportPartner(int code) { return (code - tile::FirstTeleport) % 2 == 0 ? code + 1 : code - 1; }

// 0 for the first pair, 4 for the last: its colour and its number of pips.
inline int TeleportPairOf(int code) { return (code - tile::FirstTeleport) / 2; }
