#include "platform/render/image_cover.h"

#include <algorithm>

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
  const int columns = (w + block - 1) / block, rows = (h + block - 1) / block;

  // Runs of visible blocks along each block row; a run exactly under a
  // rectangle of the row above lengthens that rectangle.
  std::vector<CoverRect> pieces;
  std::vector<size_t> openedAbove, openedHere;
  for (int r = 0; r < rows; ++r) {
    openedHere.clear();
    for (int c = 0; c < columns;) {
      if (!BlockHasVisiblePixel(pixels, c * block, r * block, block)) {
        ++c;
        continue;
      }
      const int first = c;
      while (c < columns && BlockHasVisiblePixel(pixels, c * block, r * block, block)) ++c;
      const int left = first * block, right = std::min(w, c * block);
      const int top = r * block, bottom = std::min(h, (r + 1) * block);
      auto above = std::find_if(openedAbove.begin(), openedAbove.end(), [&](size_t i) {
        return pieces[i].x == left && pieces[i].width == right - left;
      });
      if (above != openedAbove.end()) {
        pieces[*above].height = bottom - pieces[*above].y;
        openedHere.push_back(*above);
      } else {
        pieces.push_back({left, top, right - left, bottom - top});
        openedHere.push_back(pieces.size() - 1);
      }
      if (static_cast<int>(pieces.size()) > MaxPieces) return {whole};
    }
    std::swap(openedAbove, openedHere);
  }
  double area = 0;
  for (const CoverRect& piece : pieces) area += static_cast<double>(piece.width) * piece.height;
  if (!pieces.empty() && area > (1.0 - MinSaving) * w * h) return {whole};
  return pieces;
}

}  // namespace platform
