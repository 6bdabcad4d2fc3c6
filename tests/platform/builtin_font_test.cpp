#include "platform/render/builtin_font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

using platform::GlyphRows;
using platform::kGlyphHeight;

// First and last rows holding ink, or {-1, -1} for an empty glyph.
std::pair<int, int> InkRows(char c) {
  const uint8_t* rows = GlyphRows(static_cast<unsigned char>(c));
  int top = -1, bottom = -1;
  for (int row = 0; row < kGlyphHeight; ++row) {
    if (rows[row] == 0) continue;
    if (top < 0) top = row;
    bottom = row;
  }
  return {top, bottom};
}

TEST(BuiltinFont, OnlyCodes32To127HaveGlyphs) {
  for (int code : {-1, 0, 10, 31, 128, 200, 255, 1000}) EXPECT_EQ(GlyphRows(code), nullptr) << code;
  for (int code = 32; code <= 127; ++code) EXPECT_NE(GlyphRows(code), nullptr) << code;
}

TEST(BuiltinFont, EveryPrintableGlyphHasInkAndSpaceHasNone) {
  EXPECT_EQ(InkRows(' ').first, -1);
  for (int code = 33; code <= 127; ++code)
    EXPECT_NE(InkRows(static_cast<char>(code)).first, -1) << "code " << code;
}

TEST(BuiltinFont, GlyphsAreDistinct) {
  for (int a = 32; a <= 127; ++a) {
    for (int b = a + 1; b <= 127; ++b)
      EXPECT_NE(std::memcmp(GlyphRows(a), GlyphRows(b), kGlyphHeight), 0) << a << " and " << b;
  }
}

// Text set in the font must line up: capitals and digits share their top and
// baseline, and lower case letters share the baseline or descend below it.
TEST(BuiltinFont, LettersShareOneBaseline) {
  const std::string capitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  for (char c : capitals) EXPECT_EQ(InkRows(c), std::make_pair(3, 12)) << c;
  const std::string descenders = "gjpqy";
  for (char c = 'a'; c <= 'z'; ++c) {
    const bool descends = descenders.find(c) != std::string::npos;
    EXPECT_EQ(InkRows(c).second, descends ? 14 : 12) << c;
    EXPECT_GE(InkRows(c).first, 3) << c;
  }
  for (char c : std::string("acemnorsuvwxz")) EXPECT_EQ(InkRows(c).first, 6) << c;
}

}  // namespace
