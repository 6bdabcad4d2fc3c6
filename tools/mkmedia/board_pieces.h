#pragma once
// Pictures drawn on the board in every style: the ball, the tile border, the
// lock symbol and the two keys, plus the glows and arrows drawn additively.

#include "image.h"

namespace mkmedia {

Image BallPicture(int size = 32);
Image TileBorderPicture();
// Three 32 x 32 cells: the lock symbol, the gold key, the silver key.
Image KeyTilesPicture();
// Marks that tell pieces apart by shape as well as colour: a silver gateway
// closed (its bars down, over the wall tile) and open (only its frame, on the
// floor), then one cell per teleport pair with 1 to 5 pips round its swirl.
constexpr int kGatewayClosedMark = 0;
constexpr int kGatewayOpenMark = 1;
constexpr int kFirstTeleportMark = 2;
constexpr int kTeleportPairs = 5;
Image BoardMarksPicture();
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
