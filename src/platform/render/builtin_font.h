#pragma once
// The built-in text font: one 8 x 16 pixel glyph for each character code 32-127.

#include <cstdint>

namespace platform {

constexpr int kGlyphWidth = 8;
constexpr int kGlyphHeight = 16;
constexpr int kFirstGlyphCode = 32;
constexpr int kLastGlyphCode = 127;

// The glyph's 16 rows from the top, bit 7 being the leftmost pixel; nullptr for
// codes outside 32-127. Capitals stand on row 12, descenders reach row 14.
const uint8_t* GlyphRows(int code);

}  // namespace platform
