#pragma once
// The look shared by the frame, the menus and the pages: text with shadows,
// outlines and glows; gold and parchment paints; panels.

#include <string_view>

#include "image.h"
#include "shapes.h"
#include "text.h"

namespace mkmedia {

enum class Align { Left, Centre, Right };

struct TextLook {
  Paint fill = Solid(Rgba{1, 1, 1, 1});
  Rgba shadow{0, 0, 0, 0};  // alpha 0: none
  float shadowBlur = 1.5f;
  int shadowDx = 1, shadowDy = 2;
  Rgba outline{0, 0, 0, 0};  // alpha 0: none
  int outlineWidth = 1;
  Rgba glow{0, 0, 0, 0};  // alpha 0: none; painted additively
  float glowRadius = 6;
};

// Paints one line of text; x is the left edge, centre or right edge by align.
void PaintText(Image& image, const TextStyle& style, float x, float baseline, std::string_view utf8,
               const TextLook& look, Align align = Align::Left);

// The text's coverage alone, in a mask the size of the image.
Mask TextCoverage(int width, int height, const TextStyle& style, float x, float baseline, std::string_view utf8,
                  Align align = Align::Left);

// Polished gold lit from above, over the rows top to bottom.
Paint GoldPaint(float top, float bottom);

// A parchment panel filling the image inside a rounded outline, with a soft
// edge darkening, a fine grain and a double gold-brown rule.
void Parchment(Image& image, Bounds box, float radius, uint32_t seed, bool rules = true);

// A thin gold rule with a diamond in the middle, for separating headings.
void Flourish(Image& image, float cx, float y, float halfWidth, Rgba colour);

// Turns light gathered additively on opaque black into a picture for
// additive drawing: alpha is the light's strength, colour its hue.
Image LightToGlow(const Image& light);

}  // namespace mkmedia
