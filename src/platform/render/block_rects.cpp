#include "platform/render/block_rects.h"

#include <algorithm>
#include <cstddef>

namespace platform {

std::vector<BlockRect> GatherBlocks(int width, int height, int block, const std::function<int(int, int)>& kindAt) {
  std::vector<BlockRect> rects;
  if (width <= 0 || height <= 0 || block <= 0) return rects;
  const int columns = (width + block - 1) / block, rows = (height + block - 1) / block;
  std::vector<int> kinds(static_cast<size_t>(columns));
  std::vector<size_t> openedAbove, openedHere;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) kinds[static_cast<size_t>(c)] = kindAt(c * block, r * block);
    openedHere.clear();
    for (int c = 0; c < columns;) {
      const int kind = kinds[static_cast<size_t>(c)];
      const int first = c;
      while (c < columns && kinds[static_cast<size_t>(c)] == kind) ++c;
      if (kind == 0) continue;
      const int left = first * block, right = std::min(width, c * block);
      const int top = r * block, bottom = std::min(height, (r + 1) * block);
      auto above = std::find_if(openedAbove.begin(), openedAbove.end(), [&](size_t i) {
        return rects[i].x == left && rects[i].width == right - left && rects[i].kind == kind;
      });
      if (above != openedAbove.end()) {
        rects[*above].height = bottom - rects[*above].y;
        openedHere.push_back(*above);
      } else {
        rects.push_back({left, top, right - left, bottom - top, kind});
        openedHere.push_back(rects.size() - 1);
      }
    }
    std::swap(openedAbove, openedHere);
  }
  return rects;
}

}  // namespace platform
