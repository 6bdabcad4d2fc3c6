// The play screen's frame: it must leave the board fully visible, cover
// everything else, and carry the button glows where the game draws them.

#include <gtest/gtest.h>

#include "media_files.h"

namespace {

using media_test::At;
using media_test::LoadPicture;

bool OnBoard(int x, int y) { return x >= 63 && x <= 702 && y >= 61 && y <= 508; }

TEST(MediaFrame, TransparentOverTheBoardAndOpaqueAround) {
  auto frame = LoadPicture("borderred.png");
  ASSERT_TRUE(frame.has_value());
  ASSERT_EQ(frame->width, 800);
  ASSERT_EQ(frame->height, 600);
  int wrongInside = 0, wrongOutside = 0;
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) {
      float a = At(*frame, x, y).a;
      if (OnBoard(x, y) && a != 0.0f) ++wrongInside;
      if (!OnBoard(x, y) && a != 1.0f) ++wrongOutside;
    }
  EXPECT_EQ(wrongInside, 0);
  EXPECT_EQ(wrongOutside, 0);
}

struct Button {
  const char* image;
  int drawX, drawY;
  int left, right, top, bottom;
};

const Button kButtons[3] = {{"hover_menu.png", 58, 527, 60, 208, 525, 590},
                            {"hover_restart.png", 337, 529, 336, 527, 525, 599},
                            {"hover_skip.png", 584, 526, 584, 707, 523, 594}};

TEST(MediaFrame, ButtonGlowsLightTheirOwnLabels) {
  for (const Button& b : kButtons) {
    SCOPED_TRACE(b.image);
    auto glow = LoadPicture(b.image);
    ASSERT_TRUE(glow.has_value());
    // The glow stays on the bottom bar, close to its button.
    EXPECT_GE(b.drawX + glow->width, b.left);
    EXPECT_LE(b.drawX + glow->width, b.right + 4);
    EXPECT_LE(b.drawY + glow->height, 600);
    EXPECT_GE(b.drawY, 509);
    // Light where the label is (the middle of the rectangle), little at the glow's corners.
    const int cx = (b.left + b.right) / 2 - b.drawX, cy = (b.top + b.bottom) / 2 - b.drawY;
    float middle = 0;
    for (int y = cy - 8; y <= cy + 8; ++y)
      for (int x = cx - 30; x <= cx + 30; ++x) middle = std::max(middle, At(*glow, x, y).a);
    EXPECT_GT(middle, 0.5f);
    EXPECT_LT(At(*glow, 0, 0).a, 0.2f);
  }
}

TEST(MediaFrame, TokenSlotsAreOnTheFrame) {
  auto frame = LoadPicture("borderred.png");
  auto tokens = LoadPicture("tokens.png");
  ASSERT_TRUE(frame && tokens);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(At(*frame, 754, 120 + 64 * i).a, 1.0f);
  // Each token is a round medallion: solid in the middle, clear in the corners.
  for (int cell = 0; cell < 2; ++cell) {
    EXPECT_GT(At(*tokens, cell * 40 + 20, 20).a, 0.99f);
    EXPECT_EQ(At(*tokens, cell * 40, 0).a, 0.0f);
  }
}

}  // namespace
