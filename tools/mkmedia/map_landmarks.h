#pragma once
// Little ink-and-wash signs on the world map, one for each land the road
// passes through (the art styles, in level order).

#include "image.h"

namespace mkmedia {

// Draws the sign of land 0-16 centred on (x, y), about 18 pixels across.
void DrawLandmark(Image& map, int land, float x, float y);

}  // namespace mkmedia
