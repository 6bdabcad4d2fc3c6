#pragma once
// A picture cut into square blocks, each of one kind, and the blocks of each
// kind gathered into a few rectangles: runs of one kind along each block row,
// a run lying exactly under a rectangle of the same kind in the row above
// lengthening that rectangle.

#include <functional>
#include <vector>

namespace platform {

struct BlockRect {
  int x, y, width, height;
  int kind;
};

// Blocks of `block` pixels over a width x height picture (the last row and
// column cut short); `kindAt(left, top)` gives a block's kind, 0 for none.
// Rectangles of kind 0 are left out.
std::vector<BlockRect> GatherBlocks(int width, int height, int block, const std::function<int(int, int)>& kindAt);

}  // namespace platform
