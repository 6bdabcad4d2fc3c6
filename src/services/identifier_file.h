#pragma once
// "uniqueID.idn": the player's identifier and the number to give the next
// session, 6 bytes little-endian (a signed 32-bit and an unsigned 16-bit value).

#include <cstdint>
#include <optional>

struct PlayerIdentifier {
  int32_t id = 0;
  uint16_t logNumber = 0;
};

// Nothing when the file is missing or too short to hold both values.
std::optional<PlayerIdentifier> LoadPlayerIdentifier();
// Replaces the file whole; false (and the old file kept) when it cannot be written.
bool SavePlayerIdentifier(const PlayerIdentifier& identifier);
