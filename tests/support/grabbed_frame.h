#pragma once
// The frame being drawn, read back once. Reading the back buffer moves the
// whole 800 x 600 picture off the graphics card, so a test draws, grabs the
// frame, then looks at as many of its pixels as it likes; after drawing again
// it grabs again.

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/render/graphics.h"

class Frame {
 public:
  explicit Frame(platform::TPixmap grabbed) : pixels_(std::move(grabbed)) {}

  int Width() const { return pixels_.Width(); }
  int Height() const { return pixels_.Height(); }
  // 0xRRGGBB of a logical pixel; 0 outside the frame.
  uint32_t At(int x, int y) const { return pixels_.ReadPixel(x, y) & 0xFFFFFF; }
  // Every pixel as At gives it, top row first.
  std::vector<uint32_t> Pixels() const {
    std::vector<uint32_t> all;
    all.reserve(static_cast<size_t>(Width()) * Height());
    for (int y = 0; y < Height(); ++y) {
      for (int x = 0; x < Width(); ++x) all.push_back(At(x, y));
    }
    return all;
  }

 private:
  platform::TPixmap pixels_;
};

// Sends whatever drawing is pending, then reads the back buffer. Without a
// display there is nothing to read, and every pixel would read as black: a
// test that looks for black must not pass on that.
inline Frame GrabFrame() {
  platform::TPixmap grabbed = platform::GrabBackBuffer();
  EXPECT_TRUE(grabbed) << "no display to read the frame from";
  return Frame(std::move(grabbed));
}
