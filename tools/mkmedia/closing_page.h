#pragma once
// The page that closes the journey after the last level, in the hint pages'
// look: its words, with room left for the counts the game writes in, and the
// figures it writes them with.

#include "image.h"

namespace mkmedia {

Image ClosingPageText();  // ending.png, 640 x 448, transparent: goes over blank.png
Image PageFigures();      // pagefigures.png, ten cells of 20 x 40, digits 0-9

}  // namespace mkmedia
