#pragma once
// Opens the real SDL/OpenGL display (the offscreen driver under ctest) for a
// test; GrabFrame reads back the frame being drawn.

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/render/graphics.h"
#include "platform/host/platform.h"
#include "support/grabbed_frame.h"

class DisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(platform::InitPlatform());
    ASSERT_TRUE(platform::OpenGraphics(800, 600, 0, 60, 0)) << platform::LastDisplayError();
  }
  void TearDown() override { platform::ShutdownPlatform(); }

  // A picture of one colour throughout (0xAARRGGBB), unmasked.
  static platform::TImage FilledImage(int w, int h, uint32_t argb) {
    platform::TImage image = platform::CreateImage(w, h, 1, 0);
    platform::TPixmap pixels = platform::LockImage(image);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) pixels.WritePixel(x, y, argb);
    platform::UnlockImage(image);
    return image;
  }
  static void ClearTo(int r, int g, int b) {
    platform::SetClsColor(r, g, b);
    platform::Cls();
  }
};
