#include "services/log_encoder.h"

#include <algorithm>

namespace {
constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_.";
constexpr char Padding = Alphabet[64];
}  // namespace

void LogEncoder::PutByte(int value, LogBytes& bytes, int position) {
  if (position >= 0 && position < LogBytesSize) bytes[position] = static_cast<uint8_t>(value);
}

int LogEncoder::PutShortBE(int value, LogBytes& bytes, int position) {
  PutByte(value >> 8, bytes, position);
  PutByte(value, bytes, position + 1);
  return position + 1;
}

int LogEncoder::PutIntBE(int32_t value, LogBytes& bytes, int position) {
  const uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) PutByte(static_cast<int>(v >> (24 - 8 * i)), bytes, position + i);
  return position + 3;
}

std::string LogEncoder::Encode(const LogBytes& bytes) {
  const int end = std::min<int>(bytes[0], LogBytesSize);
  std::string text;
  for (int i = 1; i < end; i += 3) {
    const int count = std::min(3, end - i);
    uint32_t group = uint32_t(bytes[i]) << 16;
    if (count > 1) group |= uint32_t(bytes[i + 1]) << 8;
    if (count > 2) group |= bytes[i + 2];
    for (int c = 0; c < 4; ++c) text += c <= count ? Alphabet[(group >> (18 - 6 * c)) & 63] : Padding;
  }
  return text;
}
