// Where a cached picture hides what is under it: the regions tile the
// picture, and a block is opaque only when every pixel is, empty only when
// every pixel is all zero (light added over nothing has colour and no alpha).

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/render/picture_regions.h"

using namespace platform;

namespace {

constexpr int W = 40, H = 24;  // 5 x 3 blocks of 8

PictureRegions RegionsOf(const std::vector<uint32_t>& pixels, int width, int height) {
  return FindPictureRegions(width, height, [&](int top, int count, uint32_t* out) {
    std::copy_n(&pixels[static_cast<size_t>(top) * width], static_cast<size_t>(count) * width, out);
  });
}

int64_t Area(const std::vector<ClipRect>& rects) {
  int64_t area = 0;
  for (const ClipRect& r : rects) area += static_cast<int64_t>(r.width) * r.height;
  return area;
}

// Which region holds pixel (x, y); every pixel must be in exactly one.
const char* RegionOf(const PictureRegions& regions, int x, int y) {
  const char* found = "none";
  int hits = 0;
  auto look = [&](const std::vector<ClipRect>& rects, const char* name) {
    for (const ClipRect& r : rects) {
      if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height) {
        found = name;
        ++hits;
      }
    }
  };
  look(regions.opaque, "opaque");
  look(regions.translucent, "translucent");
  look(regions.empty, "empty");
  return hits == 1 ? found : "overlap";
}

TEST(PictureRegions, OpaqueTranslucentAndEmptyBlocksTileThePicture) {
  struct Case {
    const char* name;
    uint32_t pixel;           // put at (9, 9), in an otherwise clear picture
    bool fillMiddleOpaque;    // the middle block row opaque first
    const char* expectedAt9;  // the region of the block holding (9, 9)
  };
  const Case cases[] = {
      {"nothing drawn", 0, false, "empty"},
      {"light added over nothing", 0x00102030u, false, "translucent"},
      {"a half-covered pixel", 0x80808080u, false, "translucent"},
      {"an opaque row of blocks", 0xFF000000u, true, "opaque"},
      {"an opaque row with one soft pixel", 0xFE000000u, true, "translucent"},
  };
  for (const Case& c : cases) {
    std::vector<uint32_t> pixels(static_cast<size_t>(W) * H, 0);
    if (c.fillMiddleOpaque) {
      for (int y = 8; y < 16; ++y) {
        for (int x = 0; x < W; ++x) pixels[static_cast<size_t>(y) * W + x] = 0xFF112233u;
      }
    }
    pixels[static_cast<size_t>(9) * W + 9] = c.pixel;
    const PictureRegions regions = RegionsOf(pixels, W, H);
    ASSERT_TRUE(regions.Known()) << c.name;
    EXPECT_EQ(Area(regions.opaque) + Area(regions.translucent) + Area(regions.empty), W * H) << c.name;
    EXPECT_STREQ(RegionOf(regions, 9, 9), c.expectedAt9) << c.name;
    EXPECT_STREQ(RegionOf(regions, 0, 0), "empty") << c.name;
    EXPECT_STREQ(RegionOf(regions, W - 1, 12), c.fillMiddleOpaque ? "opaque" : "empty") << c.name;
  }
}

TEST(PictureRegions, TooManyPiecesAreNotWorthCutting) {
  // A checkerboard of opaque and empty blocks: hundreds of rectangles.
  const int w = 800, h = 600;
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * h, 0);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if ((x / 8 + y / 8) % 2 == 0) pixels[static_cast<size_t>(y) * w + x] = 0xFFFFFFFFu;
    }
  }
  EXPECT_FALSE(RegionsOf(pixels, w, h).Known());
}

}  // namespace
