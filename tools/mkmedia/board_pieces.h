#pragma once
// Pictures drawn on the board in every style: the ball, the tile border, the
// lock symbol and the two keys, plus the glows and arrows drawn additively.

#include "image.h"

namespace mkmedia {

Image BallPicture(int size = 32);
Image TileBorderPicture();
// Three 32 x 32 cells: the lock symbol, the gold key, the silver key.
Image KeyTilesPicture();
// Direction arrows around the ball: direction 1 up, 2 right, 3 down, 4 left.
Image ArrowPicture(int direction);

// White glows for particles (tinted when drawn).
Image TrailGlow();
Image ShadeGlow();
Image SparkGlow();

// Lock and keys drawn at any position and scale (also used by the tutorial pages).
void DrawPadlock(Image& image, float cx, float cy, float scale);
void DrawKey(Image& image, float cx, float cy, float scale, bool silver);
void DrawBall(Image& image, float cx, float cy, float radius);

}  // namespace mkmedia
