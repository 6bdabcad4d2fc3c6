#pragma once
// Where a recorded frame differs from the one before: a few rectangles outside
// which the two leave exactly the same pixels, so that drawing the new frame
// only inside them, over the old frame's picture, gives the whole new frame.
// A particle that moves, a glow that fades, the ring turning round the exit
// make a handful of small rectangles; a scrolling board makes one large one.

#include <vector>

#include "platform/render/draw_list.h"

namespace platform {

// At most this many rectangles: each is one more pass over the frame's draws.
constexpr size_t kMaxDamageRects = 4;

// False when the frames' commands differ in number or kind (only drawing the
// whole frame again is safe). Otherwise `rects` holds up to kMaxDamageRects
// rectangles on the width x height screen, none when the frames are the same.
bool FindDamage(const DrawList& now, const DrawList& before, int width, int height, std::vector<ClipRect>& rects);

}  // namespace platform
