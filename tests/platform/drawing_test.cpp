// Drawing through the real OpenGL back-end, read back from the frame.

#include <cmath>
#include <filesystem>

#include "platform/render/graphics.h"
#include "platform/stream_temp_folder.h"
#include "support/display_fixture.h"

using namespace platform;

namespace {

int R(uint32_t c) { return c >> 16 & 255; }
int G(uint32_t c) { return c >> 8 & 255; }
int B(uint32_t c) { return c & 255; }

}  // namespace

using Drawing = DisplayTest;

TEST_F(Drawing, EachBlendModeCombinesAsDocumented) {
  struct Case {
    int mode;
    float alpha;
    int r, g, b;  // expected over a (100, 50, 200) background when drawing (200, 100, 40)
  } cases[] = {
      {SolidBlend, 0.5f, 200, 100, 40},
      {AlphaBlend, 0.5f, 150, 75, 120},
      {LightBlend, 0.5f, 200, 100, 220},
      {ShadeBlend, 1.0f, 78, 20, 31},
      {MaskBlend, 1.0f, 200, 100, 40},
  };
  for (const Case& c : cases) {
    ClearTo(100, 50, 200);
    SetBlend(c.mode);
    SetAlpha(c.alpha);
    SetColor(200, 100, 40);
    DrawRect(10, 10, 20, 20);
    const Frame frame = GrabFrame();
    const uint32_t p = frame.At(20, 20);
    EXPECT_NEAR(R(p), c.r, 2) << "mode " << c.mode;
    EXPECT_NEAR(G(p), c.g, 2) << "mode " << c.mode;
    EXPECT_NEAR(B(p), c.b, 2) << "mode " << c.mode;
    EXPECT_EQ(frame.At(40, 40), 0x6432C8u) << "outside the rectangle, mode " << c.mode;
  }
}

TEST_F(Drawing, MaskBlendSkipsPixelsBelowHalfAlpha) {
  ClearTo(0, 0, 0);
  TImage image = CreateImage(8, 4, 1, 0);
  TPixmap pixels = LockImage(image);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) pixels.WritePixel(x, y, x < 4 ? 0x30FFFFFFu : 0xA0FFFFFFu);
  SetBlend(MaskBlend);
  DrawImage(image, 100, 100);
  const Frame frame = GrabFrame();
  EXPECT_EQ(frame.At(101, 101), 0x000000u);
  EXPECT_EQ(frame.At(106, 101), 0xFFFFFFu);
}

TEST_F(Drawing, RotationScaleHandleAndOriginPlaceTheQuad) {
  const TImage image = FilledImage(10, 4, 0xFFFFFFFFu);
  SetBlend(SolidBlend);

  ClearTo(0, 0, 0);
  SetRotation(90);  // clockwise on screen: the 10-wide bar now runs downwards, left of x
  DrawImage(image, 100, 100);
  const Frame turned = GrabFrame();
  EXPECT_EQ(turned.At(98, 105), 0xFFFFFFu);
  EXPECT_EQ(turned.At(105, 102), 0x000000u);
  SetRotation(0);

  ClearTo(0, 0, 0);
  MidHandleImage(image);
  SetScale(2, 3);
  DrawImage(image, 200, 200);  // spans x 190-210, y 194-206
  const Frame scaled = GrabFrame();
  EXPECT_EQ(scaled.At(191, 195), 0xFFFFFFu);
  EXPECT_EQ(scaled.At(209, 205), 0xFFFFFFu);
  EXPECT_EQ(scaled.At(188, 200), 0x000000u);
  EXPECT_EQ(scaled.At(200, 192), 0x000000u);
  SetScale(1, 1);

  ClearTo(0, 0, 0);
  SetOrigin(10, 20);
  DrawRect(0, 0, 5, 5);
  const Frame moved = GrabFrame();
  EXPECT_EQ(moved.At(12, 22), 0xFFFFFFu);
  EXPECT_EQ(moved.At(2, 2), 0x000000u);
}

TEST_F(Drawing, TileImageCoversTheViewportOnTheHandleGrid) {
  TImage image = CreateImage(32, 32, 1, 0);
  TPixmap pixels = LockImage(image);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) pixels.WritePixel(x, y, x == 0 && y == 0 ? 0xFFFF0000u : 0xFF0000FFu);
  SetBlend(SolidBlend);
  ClearTo(0, 0, 0);
  SetOrigin(2, 1);
  TileImage(image, 3, 2);  // grid corner at (5, 3)
  SetOrigin(0, 0);
  const Frame frame = GrabFrame();
  EXPECT_EQ(frame.At(5, 3), 0xFF0000u);
  EXPECT_EQ(frame.At(5 + 32 * 7, 3 + 32 * 5), 0xFF0000u);
  EXPECT_EQ(frame.At(6, 3), 0x0000FFu);
  for (int y = 0; y < 600; y += 37)
    for (int x = 0; x < 800; x += 41) ASSERT_NE(frame.At(x, y), 0x000000u) << x << "," << y;
  EXPECT_NE(frame.At(799, 599), 0x000000u);
}

TEST_F(Drawing, TextSkipsCharactersOutsideTheFontWithoutAdvancing) {
  SetBlend(AlphaBlend);
  ClearTo(0, 0, 0);
  DrawText("ab", 50, 50);
  const TPixmap plain = GrabBackBuffer();
  ClearTo(0, 0, 0);
  DrawText(std::string("a") + static_cast<char>(200) + "b", 50, 50);
  const TPixmap skipped = GrabBackBuffer();
  int ink = 0;
  for (int y = 50; y < 66; ++y) {
    for (int x = 50; x < 70; ++x) {
      ASSERT_EQ(plain.ReadPixel(x, y), skipped.ReadPixel(x, y)) << x << "," << y;
      ink += (plain.ReadPixel(x, y) & 0xFFFFFF) != 0;
    }
  }
  EXPECT_GT(ink, 10);
  // Glyph b is the second cell: ink beyond x 58 and nothing past the two cells.
  int inkSecondCell = 0;
  for (int y = 50; y < 66; ++y)
    for (int x = 58; x < 66; ++x) inkSecondCell += (plain.ReadPixel(x, y) & 0xFFFFFF) != 0;
  EXPECT_GT(inkSecondCell, 3);
  for (int y = 50; y < 66; ++y) EXPECT_EQ(plain.ReadPixel(67, y) & 0xFFFFFF, 0u);
}

TEST_F(Drawing, ConsecutiveDrawsOfOneTextureShareOneDrawCall) {
  const TImage a = FilledImage(4, 4, 0xFFFFFFFFu);
  const TImage b = FilledImage(4, 4, 0xFF00FF00u);
  SetBlend(LightBlend);
  GrabBackBuffer();  // sends anything pending
  const int64_t before = DrawCallCount();
  for (int i = 0; i < 1000; ++i) DrawImage(a, static_cast<float>(i % 700), static_cast<float>(i % 500));
  GrabBackBuffer();
  EXPECT_EQ(DrawCallCount() - before, 1);

  const int64_t mixedBefore = DrawCallCount();
  for (int i = 0; i < 100; ++i) DrawImage(i % 2 ? a : b, 10, 10);
  GrabBackBuffer();
  EXPECT_EQ(DrawCallCount() - mixedBefore, 100);
}

TEST_F(Drawing, ImagesSurviveReopeningTheDisplay) {
  const TImage image = FilledImage(16, 16, 0xFF00FF00u);
  SetBlend(SolidBlend);
  DrawImage(image, 0, 0);
  CloseGraphics();
  ASSERT_TRUE(OpenGraphics(800, 600, 0, 60, 0));
  EXPECT_EQ(GetBlend(), MaskBlend);  // the drawing state starts over
  ClearTo(0, 0, 0);
  DrawImage(image, 30, 30);
  EXPECT_EQ(GrabFrame().At(35, 35), 0x00FF00u);
}

// A picture read from a file holds its pixels only until its texture does;
// they are read again (from the file it was read from, whatever the working
// folder is by then) for a display opened anew and for a lock, after which
// the pixels changed through the lock are the ones kept.
TEST_F(Drawing, PicturesFromFilesLetTheirPixelsGoOnceDrawnAndReadThemAgain) {
  TempFolder folder;
  TPixmap sheet = CreatePixmap(16, 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 16; ++x) sheet.WritePixel(x, y, x < 8 ? 0xFF00FF00u : 0xFFFF0000u);
  }
  ASSERT_TRUE(SavePixmapPNG(sheet, "sheet.png", 5));
  const TImage cells = LoadAnimImage("sheet.png", 8, 8, 0, 2, 0);
  ASSERT_TRUE(cells);
  SetBlend(SolidBlend);
  DrawImage(cells, 0, 0, 1);
  EXPECT_TRUE(cells->frames[1].buffer.pixels.empty());
  EXPECT_FALSE(cells->frames[0].buffer.pixels.empty()) << "a frame not drawn yet keeps its pixels";

  // The working folder may change meanwhile: the file is read where it was found.
  std::filesystem::create_directory("elsewhere");
  std::filesystem::current_path("elsewhere");
  CloseGraphics();
  ASSERT_TRUE(OpenGraphics(800, 600, 0, 60, 0));
  SetBlend(SolidBlend);
  ClearTo(0, 0, 0);
  DrawImage(cells, 30, 30, 1);
  EXPECT_EQ(GrabFrame().At(32, 32), 0xFF0000u) << "the second cell, read again";

  TPixmap locked = LockImage(cells, 1);
  EXPECT_EQ(locked.ReadPixel(3, 3), 0xFFFF0000u);
  locked.WritePixel(3, 3, 0xFF0000FFu);
  UnlockImage(cells, 1);
  CloseGraphics();
  ASSERT_TRUE(OpenGraphics(800, 600, 0, 60, 0));
  SetBlend(SolidBlend);
  ClearTo(0, 0, 0);
  DrawImage(cells, 30, 30, 1);
  const auto frame = GrabFrame();
  EXPECT_EQ(frame.At(33, 33), 0x0000FFu) << "the pixel changed through the lock";
  EXPECT_EQ(frame.At(32, 32), 0xFF0000u);
}

TEST_F(Drawing, NullImagesDrawNothing) {
  ClearTo(10, 20, 30);
  DrawImage(TImage(), 0, 0);
  TileImage(TImage());
  DrawImage(LoadImage("no such folder\\missing.png"), 0, 0);
  EXPECT_EQ(GrabFrame().At(0, 0), 0x0A141Eu);
}
