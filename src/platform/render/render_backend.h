#pragma once
// What the host back-end provides to the drawing and image code: primitives
// already placed in logical 800 x 600 pixels, batched by the back-end.

#include <cstdint>

#include "platform/render/graphics.h"

namespace platform {

struct Vertex {
  float x, y;  // logical pixels
  float u, v;  // texture coordinates 0-1 (ignored without a texture)
};

// The renderer's shapes and blends are switched on without a `default:`
// (and the build makes -Wswitch an error), so a new one does not compile
// until every place that draws, compares or measures commands handles it.
enum class Primitive { Quads, Lines };

// How a draw's pixels meet the target's: solid copies, the mask keeps only
// texels of at least half alpha, alpha blends "over", light adds, shade
// multiplies.
enum class Blend { Solid, Mask, Alpha, Light, Shade };

// The game's blend numbers (graphics.h) as drawn: any other number draws solid.
Blend BlendFromMode(int mode);

// frame may be null for untextured shapes; imageFlags choose the texture's filtering.
void BackendSubmit(Primitive primitive, ImageFrame* frame, int imageFlags, const Vertex* vertices,
                   int count, uint32_t colour);
void BackendSetBlend(Blend blend);
void BackendSetViewport(int x, int y, int width, int height);
void BackendClear(int red, int green, int blue);
// Reads a rectangle of the logical back buffer, top row first.
PixelBuffer BackendReadPixels(int x, int y, int width, int height);
void BackendReleaseTexture(ImageFrame& frame);
bool BackendDisplayOpen();
int64_t BackendDrawCalls();

}  // namespace platform
