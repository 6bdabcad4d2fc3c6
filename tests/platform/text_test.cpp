#include <gtest/gtest.h>

#include "platform/host/text.h"

using namespace platform;

TEST(TextHelpers, MidFollowsOneBasedPositions) {
  EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Mid("abcdef", 4), "def");
  EXPECT_EQ(Mid("abcdef", 5, 10), "ef");
  EXPECT_EQ(Mid("abcdef", 7, 2), "");
  EXPECT_EQ(Mid("abcdef", 0, 2), "a");    // the position below 1 costs one character
  EXPECT_EQ(Mid("abcdef", -1, 2), "");
  EXPECT_EQ(Mid("abcdef", -3, -1), "abcdef");
}

TEST(TextHelpers, InstrLowerChr) {
  EXPECT_EQ(Instr("a::b::c", "::", 1), 2);
  EXPECT_EQ(Instr("a::b::c", "::", 3), 5);
  EXPECT_EQ(Instr("abc", "x", 1), 0);
  EXPECT_EQ(Instr("abc", "c", 9), 0);
  EXPECT_EQ(Lower("HTTP::Host/ÄZ"), "http::host/Äz");
  EXPECT_EQ(Chr(65), "A");
  EXPECT_EQ(Chr(200).size(), 1u);
}

TEST(TextHelpers, RealsUseNineSignificantDigitsWithPoint) {
  EXPECT_EQ(Str(0.5f), "0.500000000");
  EXPECT_EQ(Str(1.0f), "1.00000000");
  EXPECT_EQ(Str(-7), "-7");
  EXPECT_NEAR(Sin(90), 1.0, 1e-12);
  EXPECT_NEAR(Cos(180), -1.0, 1e-12);
  EXPECT_NEAR(ATan(1), 45.0, 1e-12);
}
