#pragma once
// Where a picture holds visible pixels, as a few rectangles. Drawing only
// those rectangles gives the same pixels under the blends where a clear pixel
// changes nothing, and saves the software rasteriser the empty parts (the play
// frame is mostly a hole, a tile border is a thin ring).

#include <vector>

#include "platform/render/graphics.h"

namespace platform {

// Empty when every pixel is clear; the whole picture when cutting it up would
// not pay.
std::vector<CoverRect> FindCover(const PixelBuffer& pixels);

}  // namespace platform
