#pragma once
// A cached picture drawn into a transparent target (its pixels premultiplied
// by their coverage) split into where it hides what is under it, where it
// lets it show through and where it holds nothing, as rectangles that tile
// the picture. Laid over a frame, its opaque parts can be copied without
// blending and what it hides need not be drawn; its empty parts need not be
// laid at all. On the software rasteriser a copy costs a fraction of a blend.

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/render/command_state.h"

namespace platform {

struct PictureRegions {
  std::vector<ClipRect> opaque;       // every pixel at full alpha
  std::vector<ClipRect> translucent;  // some pixel neither opaque nor empty
  std::vector<ClipRect> empty;        // every pixel all zero (not even added light)
  bool Known() const { return !opaque.empty() || !translucent.empty() || !empty.empty(); }
};

// Fills `out` with `count` rows of the picture from row `top` (top row
// first), `width` pixels each as 0xAABBGGRR. Asked for a few rows at a time
// from the top down, so a whole picture's pixels are never held at once.
using PictureRowReader = std::function<void(int top, int count, uint32_t* out)>;

// Nothing (not Known) when the regions would be too many rectangles to pay.
PictureRegions FindPictureRegions(int width, int height, const PictureRowReader& readRows);

}  // namespace platform
