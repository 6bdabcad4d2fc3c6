// Presenting recorded frames: an unchanged frame is not drawn again, a frame
// that leaves pixels unpainted is drawn over the one before as it always was,
// what was presented stays readable, and a picture whose pixels change (or
// whose texture goes and is reused) is never taken for the same picture.

#include <vector>

#include "platform/render/graphics.h"
#include "platform/render/sdl/gl_renderer.h"
#include "platform/render/sdl/window_buffer_probe.h"
#include "support/display_fixture.h"

using namespace platform;

namespace {

// The window's back buffer as 0xRRGGBB, top row first.
std::vector<uint32_t> WindowPixels() {
  const PixelBuffer window = ReadWindowBackBuffer(800, 600);
  std::vector<uint32_t> pixels;
  for (const uint32_t p : window.pixels) pixels.push_back((p & 0xFF) << 16 | (p & 0xFF00) | (p >> 16 & 0xFF));
  return pixels;
}

class FramePresentation : public DisplayTest {
 protected:
  // A frame that paints the whole screen, then `picture` at (100, 100).
  static void WholeFrame(const TImage& picture) {
    SetBlend(AlphaBlend);
    ClearTo(10, 20, 30);
    DrawImage(picture, 100, 100);
  }
  static int64_t CallsOfFlip() {
    const int64_t before = DrawCallCount();
    Flip(0);
    return DrawCallCount() - before;
  }
};

TEST_F(FramePresentation, AnUnchangedFrameIsNotDrawnAgainAndAChangedOneIs) {
  const TImage red = FilledImage(16, 16, 0xFFFF0000u);
  WholeFrame(red);
  EXPECT_EQ(CallsOfFlip(), 1);
  // A window that has just appeared may be exposed a few times by its window
  // system (Windows does), and an exposed window is rightly drawn again.
  for (int settle = 0; settle < 10; ++settle) {
    WholeFrame(red);
    if (CallsOfFlip() == 0) break;
  }
  WholeFrame(red);
  EXPECT_EQ(CallsOfFlip(), 0);
  WholeFrame(red);
  EXPECT_EQ(CallsOfFlip(), 0);
  const Frame unchanged = GrabFrame();
  EXPECT_EQ(unchanged.At(100, 100), 0xFF0000u) << "what was presented is read back";
  EXPECT_EQ(unchanged.At(99, 100), 0x0A141Eu);

  SetBlend(AlphaBlend);
  ClearTo(10, 20, 30);
  DrawImage(red, 101, 100);
  EXPECT_EQ(CallsOfFlip(), 1);
  const Frame changed = GrabFrame();
  EXPECT_EQ(changed.At(100, 100), 0x0A141Eu);
  EXPECT_EQ(changed.At(116, 100), 0xFF0000u);
}

TEST_F(FramePresentation, AFrameThatLeavesPixelsUnpaintedAddsToTheOneBefore) {
  ClearTo(0, 0, 0);
  Flip(0);
  // No clear: each frame's light adds to the last frame's, as it always did.
  SetBlend(LightBlend);
  SetAlpha(0.25f);
  for (int frame = 1; frame <= 3; ++frame) {
    DrawRect(50, 50, 10, 10);
    Flip(0);
    const int level = static_cast<int>(GrabFrame().At(55, 55) & 255);
    EXPECT_NEAR(level, 64 * frame, frame) << "frame " << frame;
  }
  EXPECT_EQ(GrabFrame().At(45, 45), 0u);
}

TEST_F(FramePresentation, NewPixelsInAPictureShowThoughTheDrawsAreTheSame) {
  const TImage picture = FilledImage(16, 16, 0xFF00FF00u);
  WholeFrame(picture);
  Flip(0);
  WholeFrame(picture);
  Flip(0);
  TPixmap pixels = LockImage(picture);
  pixels.WritePixel(0, 0, 0xFF0000FFu);
  UnlockImage(picture);
  WholeFrame(picture);
  Flip(0);
  const Frame presented = GrabFrame();
  EXPECT_EQ(presented.At(100, 100), 0x0000FFu);
  EXPECT_EQ(presented.At(101, 100), 0x00FF00u);
}

TEST_F(FramePresentation, APictureMadeInTheTextureOfOneThatWentIsDrawnAsItself) {
  {
    const TImage green = FilledImage(16, 16, 0xFF00FF00u);
    WholeFrame(green);
    Flip(0);
    WholeFrame(green);
    Flip(0);
  }
  // The driver may hand the freed texture name to the next picture.
  const TImage blue = FilledImage(16, 16, 0xFF0000FFu);
  WholeFrame(blue);
  Flip(0);
  EXPECT_EQ(GrabFrame().At(100, 100), 0x0000FFu);
}

TEST_F(FramePresentation, ReadingBackMidFrameDrawsWhatIsPendingAndTheRestFollows) {
  const TImage red = FilledImage(16, 16, 0xFFFF0000u);
  WholeFrame(red);
  EXPECT_EQ(GrabFrame().At(100, 100), 0xFF0000u);
  DrawImage(red, 300, 300);
  Flip(0);
  const Frame presented = GrabFrame();
  EXPECT_EQ(presented.At(300, 300), 0xFF0000u);
  EXPECT_EQ(presented.At(100, 100), 0xFF0000u);
}

// A picture moving over a patterned floor changes two small rectangles a
// frame; where the window keeps its frame across swaps only they are drawn
// into it, and the window must show exactly the whole frame all the same.
TEST_F(FramePresentation, AWindowRedrawnOnlyWhereFramesDifferShowsEachWholeFrame) {
  if (!WindowKeepsFramesAfterSwap()) GTEST_SKIP() << "this driver's window does not keep its frame across swaps";
  RendererWindowExposed();
  TImage floor = CreateImage(64, 64, 1, 0);
  TPixmap pattern = LockImage(floor);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) pattern.WritePixel(x, y, 0xFF000000u | static_cast<uint32_t>(x * 4 << 16 | y * 4 << 8 | 90));
  UnlockImage(floor);
  const TImage spark = FilledImage(12, 12, 0x80FFC040u);
  for (int frame = 0; frame < 6; ++frame) {
    SetBlend(AlphaBlend);
    TileImage(floor, 0, 0);
    SetBlend(LightBlend);
    DrawImage(spark, 100.0f + 7 * frame, 200.0f + 3 * frame);
    DrawImage(spark, 600.0f - 5 * frame, 450);
    Flip(0);
    const std::vector<uint32_t> window = WindowPixels();
    const std::vector<uint32_t> frameRead = GrabFrame().Pixels();
    ASSERT_EQ(window.size(), frameRead.size());
    size_t differing = 0;
    for (size_t i = 0; i < window.size(); ++i) differing += window[i] != frameRead[i];
    EXPECT_EQ(differing, 0u) << "frame " << frame;
  }
}

}  // namespace
