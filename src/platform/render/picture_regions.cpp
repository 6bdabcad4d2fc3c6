#include "platform/render/picture_regions.h"

#include <algorithm>
#include <cstddef>

#include "platform/render/block_rects.h"

namespace platform {
namespace {

// Blocks of 8 pixels follow the board's cells and the frame picture's edges
// closely; every rectangle costs one more pass over the commands under the
// picture, so past a few dozen the plain lay is cheaper.
constexpr int Block = 8;
constexpr size_t MaxRects = 48;

enum Kind { Opaque = 1, Translucent = 2, Empty = 3 };

// `strip` holds the block row's pixels, `rows` rows of `width`.
Kind KindOfBlock(const std::vector<uint32_t>& strip, int width, int rows, int left) {
  const int right = std::min(width, left + Block);
  bool allOpaque = true, allEmpty = true;
  for (int y = 0; y < rows; ++y) {
    const uint32_t* row = &strip[static_cast<size_t>(y) * width];
    for (int x = left; x < right; ++x) {
      allOpaque = allOpaque && row[x] >> 24 == 255;
      allEmpty = allEmpty && row[x] == 0;
    }
    if (!allOpaque && !allEmpty) return Translucent;
  }
  return allOpaque ? Opaque : allEmpty ? Empty : Translucent;
}

}  // namespace

PictureRegions FindPictureRegions(int width, int height, const PictureRowReader& readRows) {
  PictureRegions regions;
  if (width <= 0 || height <= 0) return regions;
  std::vector<uint32_t> strip(static_cast<size_t>(width) * Block);
  int stripTop = -1, stripRows = 0;
  const std::vector<BlockRect> rects = GatherBlocks(width, height, Block, [&](int left, int top) {
    if (top != stripTop) {
      stripTop = top;
      stripRows = std::min(Block, height - top);
      readRows(top, stripRows, strip.data());
    }
    return KindOfBlock(strip, width, stripRows, left);
  });
  if (rects.size() > MaxRects) return regions;
  for (const BlockRect& r : rects) {
    const ClipRect rect{r.x, r.y, r.width, r.height};
    (r.kind == Opaque ? regions.opaque : r.kind == Translucent ? regions.translucent : regions.empty).push_back(rect);
  }
  return regions;
}

}  // namespace platform
