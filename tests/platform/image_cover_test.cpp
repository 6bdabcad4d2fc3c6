// Drawing only where a picture has visible pixels: which rectangles are found,
// and that the screen ends up exactly as if the whole picture were drawn.

#include <gmock/gmock.h>

#include "platform/render/graphics.h"
#include "platform/render/image_cover.h"
#include "support/display_fixture.h"

using namespace platform;
using ::testing::ElementsAre;
using ::testing::FieldsAre;

namespace {

constexpr uint32_t OpaqueWhite = 0xFFFFFFFFu;
constexpr uint32_t FaintBlack = 0x01000000u;  // visible to the cover, adds nothing on black

// A square picture, clear inside a ring `thickness` pixels wide.
PixelBuffer Ring(int size, int thickness, uint32_t ring = OpaqueWhite, uint32_t inside = 0) {
  PixelBuffer p{size, size, std::vector<uint32_t>(static_cast<size_t>(size) * size, inside)};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const bool edge = x < thickness || y < thickness || x >= size - thickness || y >= size - thickness;
      if (edge) p.pixels[static_cast<size_t>(y) * size + x] = ring;
    }
  }
  return p;
}

TImage ImageOf(const PixelBuffer& pixels) {
  TImage image = CreateImage(pixels.width, pixels.height, 1, 0);
  *LockImage(image).get() = pixels;
  UnlockImage(image);
  return image;
}

TEST(ImageCover, ARingIsFourStripsAndSolidOrClearPicturesAreWholeOrNothing) {
  EXPECT_THAT(FindCover(Ring(32, 4)), ElementsAre(FieldsAre(0, 0, 32, 4), FieldsAre(0, 4, 4, 24),
                                                  FieldsAre(28, 4, 4, 24), FieldsAre(0, 28, 32, 4)));
  // A ring thinner than the blocks still keeps every visible pixel inside.
  EXPECT_THAT(FindCover(Ring(32, 1)), ElementsAre(FieldsAre(0, 0, 32, 4), FieldsAre(0, 4, 4, 24),
                                                  FieldsAre(28, 4, 4, 24), FieldsAre(0, 28, 32, 4)));
  // Large pictures are cut in coarser blocks, and a size off the block grid is clipped.
  EXPECT_THAT(FindCover(Ring(200, 10)), ElementsAre(FieldsAre(0, 0, 200, 16), FieldsAre(0, 16, 16, 160),
                                                    FieldsAre(176, 16, 24, 160), FieldsAre(0, 176, 200, 24)));

  EXPECT_THAT(FindCover(Ring(32, 16)), ElementsAre(FieldsAre(0, 0, 32, 32)));
  EXPECT_TRUE(FindCover(Ring(32, 0)).empty());
  EXPECT_TRUE(FindCover(PixelBuffer{4, 4, {}}).empty()) << "pixels missing";
}

TEST(ImageCover, ScatteredDotsOrASmallSavingDrawThePictureWhole) {
  PixelBuffer dots = Ring(32, 0);
  for (int y = 0; y < 32; y += 8) {
    for (int x = (y / 8 % 2) * 4; x < 32; x += 8) dots.pixels[static_cast<size_t>(y) * 32 + x] = OpaqueWhite;
  }
  EXPECT_THAT(FindCover(dots), ElementsAre(FieldsAre(0, 0, 32, 32)));
  // Only the centre 8 x 8 is clear: cutting would spare a sixteenth.
  PixelBuffer nearlySolid = Ring(32, 12);
  EXPECT_THAT(FindCover(nearlySolid), ElementsAre(FieldsAre(0, 0, 32, 32)));
}

using CoveredDrawing = DisplayTest;

// The ring drawn by its cover against the same ring made visible everywhere
// (faint black inside, so it is drawn whole): on black both leave the same screen.
TEST_F(CoveredDrawing, LeavesTheSamePixelsAsTheWholePictureUnderEveryBlendItIsUsedFor) {
  const TImage covered = ImageOf(Ring(32, 3, 0xC040A0FFu));
  const TImage whole = ImageOf(Ring(32, 3, 0xC040A0FFu, FaintBlack));
  auto frameOf = [](const TImage& image, int blend) {
    ClearTo(0, 0, 0);
    SetBlend(blend);
    SetAlpha(0.75f);
    DrawImage(image, 100, 100);
    SetScale(2, 3);
    DrawImage(image, 300, 200);
    SetScale(1, 1);
    SetRotation(90);
    DrawImage(image, 500, 300);
    SetRotation(0);
    SetAlpha(1.0f);
    return GrabFrame().Pixels();
  };
  for (int blend : {AlphaBlend, LightBlend, MaskBlend}) {
    const auto drawn = frameOf(covered, blend);
    EXPECT_EQ(drawn, frameOf(whole, blend)) << "blend " << blend;
    EXPECT_GT(std::count_if(drawn.begin(), drawn.end(), [](uint32_t c) { return c != 0; }), 3 * 300)
        << "the rings were drawn";
  }
}

TEST_F(CoveredDrawing, PicturesChangedAfterDrawingAreCoveredAnew) {
  const TImage image = ImageOf(Ring(32, 0));
  SetImageHandle(image, 0, 0);
  ClearTo(0, 0, 0);
  SetBlend(AlphaBlend);
  DrawImage(image, 100, 100);  // nothing visible: nothing drawn, and the cover remembered
  TPixmap pixels = LockImage(image);
  pixels.WritePixel(16, 16, OpaqueWhite);
  UnlockImage(image);
  DrawImage(image, 100, 100);
  EXPECT_EQ(GrabFrame().At(116, 116), 0xFFFFFFu);
}

}  // namespace
