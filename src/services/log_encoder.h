#pragma once
// Packing of the session log: big-endian values into fixed byte arrays, and
// the arrays into URL-safe text. Element 0 of an array holds the number of
// elements used, counting itself and the closing zero byte.

#include <array>
#include <cstdint>
#include <string>

constexpr int LogBytesSize = 240;
using LogBytes = std::array<uint8_t, LogBytesSize>;

class LogEncoder {
 public:
  // Both return the position of the last byte written. Bytes that would fall
  // outside the array are not written.
  static int PutShortBE(int value, LogBytes& bytes, int position);
  static int PutIntBE(int32_t value, LogBytes& bytes, int position);
  static void PutByte(int value, LogBytes& bytes, int position);

  // The elements 1 to n - 1 (n = element 0) in the base64url alphabet, with "."
  // as the padding character.
  static std::string Encode(const LogBytes& bytes);
};
