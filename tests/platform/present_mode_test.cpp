// How a frame is presented, from what is known of it, the last frame and the
// window, and what is known of it afterwards.

#include <gtest/gtest.h>

#include "platform/render/present_mode.h"

using namespace platform;

namespace {

PresentFacts Facts(bool whole, bool smallDamage, bool logicalWindow, bool windowHoldsLast) {
  PresentFacts facts;
  facts.paintsWholeScreen = whole;
  facts.smallDamage = smallDamage;
  facts.windowIsLogicalSize = logicalWindow;
  facts.windowHoldsLastFrame = windowHoldsLast;
  return facts;
}

TEST(PresentMode, AFrameThatLeavesPixelsUnpaintedIsDrawnOverTheLastWhateverElseHolds) {
  for (int bits = 0; bits < 8; ++bits) {
    EXPECT_EQ(ChoosePresentMode(Facts(false, bits & 1, bits & 2, bits & 4)), PresentMode::OverLastFrame);
  }
}

TEST(PresentMode, SmallDamageIsDrawnIntoTheWindowOnlyWhenItHoldsTheLastFrameAtTheLogicalSize) {
  EXPECT_EQ(ChoosePresentMode(Facts(true, true, true, true)), PresentMode::DamageInWindow);
  EXPECT_EQ(ChoosePresentMode(Facts(true, true, true, false)), PresentMode::DamageOffScreen) << "exposed";
  EXPECT_EQ(ChoosePresentMode(Facts(true, true, false, true)), PresentMode::DamageOffScreen) << "scaled";
}

TEST(PresentMode, AWholeFrameGoesStraightToAWindowOfTheLogicalSizeOnly) {
  EXPECT_EQ(ChoosePresentMode(Facts(true, false, true, false)), PresentMode::WholeToWindow);
  EXPECT_EQ(ChoosePresentMode(Facts(true, false, false, true)), PresentMode::WholeOffScreen);
}

TEST(PresentMode, OnlyAWholeFrameCanBeComparedWithAndOneDrawnInTheWindowAloneLeavesTheOffScreenFrameBehind) {
  EXPECT_EQ(LastFrameAfter(PresentMode::OverLastFrame), LastFrame::Unusable);
  EXPECT_EQ(LastFrameAfter(PresentMode::DamageInWindow), LastFrame::OnlyInWindow);
  EXPECT_EQ(LastFrameAfter(PresentMode::WholeToWindow), LastFrame::OnlyInWindow);
  EXPECT_EQ(LastFrameAfter(PresentMode::DamageOffScreen), LastFrame::OffScreen);
  EXPECT_EQ(LastFrameAfter(PresentMode::WholeOffScreen), LastFrame::OffScreen);
  EXPECT_TRUE(DrawsOffScreen(PresentMode::OverLastFrame));
  EXPECT_FALSE(DrawsOffScreen(PresentMode::DamageInWindow));
  EXPECT_FALSE(DrawsOffScreen(PresentMode::WholeToWindow));
}

}  // namespace
