#include "platform/render/image_cover.h"

#include <algorithm>

#include "platform/render/block_rects.h"

namespace platform {
namespace {

// Every extra rectangle costs the rasteriser two triangles to set up, so a
// picture is only cut into a few pieces, and only when that spares a quarter
// of its area.
constexpr int MaxPieces = 8;
constexpr double MinSaving = 0.25;
constexpr int SmallBlock = 4;
constexpr int LargeBlock = 16;
constexpr int SmallPictureArea = 64 * 64;

bool BlockHasVisiblePixel(const PixelBuffer& p, int left, int top, int size) {
  const int right = std::min(p.width, left + size), bottom = std::min(p.height, top + size);
  for (int y = top; y < bottom; ++y) {
    const uint32_t* row = &p.pixels[static_cast<size_t>(y) * p.width];
    for (int x = left; x < right; ++x) {
      if (row[x] >> 24) return true;
    }
  }
  return false;
}

}  // namespace

std::vector<CoverRect> FindCover(const PixelBuffer& pixels) {
  const int w = pixels.width, h = pixels.height;
  if (w <= 0 || h <= 0 || pixels.pixels.size() < static_cast<size_t>(w) * h) return {};
  const CoverRect whole{0, 0, w, h};
  const int block = w * h <= SmallPictureArea ? SmallBlock : LargeBlock;
  std::vector<CoverRect> pieces;
  for (const BlockRect& rect : GatherBlocks(w, h, block, [&](int left, int top) {
         return BlockHasVisiblePixel(pixels, left, top, block) ? 1 : 0;
       })) {
    pieces.push_back({rect.x, rect.y, rect.width, rect.height});
  }
  if (static_cast<int>(pieces.size()) > MaxPieces) return {whole};
  double area = 0;
  for (const CoverRect& piece : pieces) area += static_cast<double>(piece.width) * piece.height;
  if (!pieces.empty() && area > (1.0 - MinSaving) * w * h) return {whole};
  return pieces;
}

}  // namespace platform
