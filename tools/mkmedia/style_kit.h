#pragma once
// Shared tools of the art styles: the sizes of a background tile and a wall
// cell, procedural texturing, relief lighting and strip assembly.

#include <array>
#include <functional>

#include "image.h"

namespace mkmedia {

constexpr int kCell = 32;         // one board cell, and one wall look
constexpr int kBackground = 256;  // backgrounds are seamless tiles of this size
// The game lays a background's copies from this screen point, and the board's
// cells have their edges at kCellEdge + 32k pixels across and down.
constexpr int kFloorTileLeft = 31, kFloorTileTop = 0;
constexpr int kCellEdge = 31;
constexpr int kWallLooks = 6;

// One art style: a seamless background and six looks of its walls.
struct StyleArt {
  Image background;
  std::array<Image, kWallLooks> walls;
};

using ColourAt = std::function<Rgba(float u, float v)>;
using HeightAt = std::function<float(float u, float v)>;

// Evaluates a colour function over the unit square at `scale` samples per
// output pixel in each direction and averages them down (anti-aliasing).
Image Texture(int size, int scale, const ColourAt& colour);
Mask HeightField(int size, const HeightAt& height);

// Lights the albedo with the height field's relief (light from the upper
// left) and adds a white specular highlight of the given strength.
Image Lit(const Image& albedo, const Mask& height, float depth, float specular, bool wrap, float shininess = 24.0f);

// Averages blocks of factor x factor pixels (premultiplied).
Image Downsample(const Image& image, int factor);

// Six wall looks side by side: the 192 x 32 strip the game cuts into cells.
Image WallStrip(const std::array<Image, kWallLooks>& walls);

// Scales colour channels so the mean brightness of the visible pixels is
// `target`: walls stay mid-tone, since the ball's glow adds to them.
void NormaliseBrightness(Image& image, float target);

// Wall looks are drawn at this many samples per pixel and averaged down.
constexpr int kWallScale = 4;

// Renders one wall look: albedo and height over the cell (u, v in 0..1), lit
// from the upper left; alpha (optional, 0..1) cuts out borderless shapes.
Image WallLook(const ColourAt& albedo, const HeightAt& height, float depth, float specular,
               const HeightAt& alpha = nullptr, float shininess = 24.0f);

// A background tile: the colour function lit by the height function's relief,
// sampled `scale` times per pixel each way (2 for patterns with fine joints).
Image BackgroundLook(const ColourAt& albedo, const HeightAt& height, float depth, float specular = 0.0f,
                     int scale = 1);

}  // namespace mkmedia
