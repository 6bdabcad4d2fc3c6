#pragma once
// worldMap.png: the land the levels cross, drawn around the route that the
// game traces over it (a closed loop of 28 cubic pieces), and the small
// levelSquares.png that the map screen loads as its button strip.

#include <vector>

#include "image.h"
#include "shapes.h"

namespace mkmedia {

Image WorldMapPicture();
Image LevelSquaresPicture();

// The route as a dense polyline, in screen pixels, from its start round to its end.
std::vector<Point> WorldRoute();

}  // namespace mkmedia
